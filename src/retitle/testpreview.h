#pragma once

#include "retitle/previewreport.h"
#include "retitle/testpassresult.h"
#include "retitle/uniquecheck.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace Compose {
class ElementValues;
}
namespace Platform {
class Dialogs;
class FileSystem;
} // namespace Platform
namespace Session {
class PictureSession;
class Selection;
} // namespace Session
namespace Settings {
class SessionSettings;
}

namespace Retitle {

class DestinationPlanner;
class Retitler;

// What Test & Preview needs from parts of the program that are not its own.
struct TestPreviewHooks
{
    // NumberWillFit: the counter's start value fits its digits; false stops Test & Preview (the
    // number element has told the user).
    std::function<bool()> numberWillFit;
    // The date/time and number element values of one pass, made fresh for every pass so that the
    // counter starts at its start value; none leaves both elements empty.
    std::function<std::unique_ptr<Compose::ElementValues>()> elementValues;
    // The EXIF tag text of a picture, asked only while the element is on.
    std::function<QString(const QString &picturePath)> exifText;
    // Told the rows to rename and their destinations before their titles are composed.
    std::function<void(const QList<int> &rows, const QStringList &folders)> planNumbers;
    // The pictures of rows whose date taken a camera clock offset corrects.
    std::function<QList<ClockCorrection>(const QList<int> &rows)> clockCorrections;
    // Called after every picture of the pass, so that the dialog stays responsive.
    std::function<void()> yield;
};

// The command Test & Preview and its dialog "Mirelto: Test and Preview", as a model: the checks
// before the dialog opens, the test pass inside it with its progress, the report, the four
// buttons, and what follows when the dialog closes.
//
// The window that opens the dialog calls TestPreviewClick with a function that shows the dialog
// modally; the dialog calls runPass() once it is shown, shows progressChanged while the pass runs
// and the report on passFinished, forwards its buttons, and closes on closeRequested.
class TestPreview final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Cancelled, RetitleNow, EditErroneous };
    enum class State { Idle, Running, Reported };

    // workFolder: with a trailing '/', holding FolderUnique.dat and SyncExt.dat.
    TestPreview(Session::PictureSession &pictures, Session::Selection &selection,
                Settings::SessionSettings &sessionSettings, Platform::Dialogs &dialogs, Platform::FileSystem &files,
                DestinationPlanner &destinations, Retitler &retitler, const QString &workFolder,
                QObject *parent = nullptr);
    ~TestPreview() override;

    void setHooks(TestPreviewHooks hooks) { m_hooks = std::move(hooks); }

    // The command: the checks, then showDialog, then the retitling or the correction as the
    // dialog ended. Nothing happens when a check stops it.
    void TestPreviewClick(const std::function<void()> &showDialog);

    // The checks before the dialog opens; false stops the command.
    bool preCheck();
    // The test pass; ends with passFinished, or with closeRequested when the pass was cancelled.
    void runPass();
    // After the dialog closed: the retitling, the correction or nothing.
    void finish();

    State state() const { return m_state; }
    Outcome outcome() const { return m_outcome; }
    QString progressCaption() const { return m_caption; }
    int progressPercent() const { return m_percent; }
    const QList<ReportLine> &report() const { return m_report; }
    // The last pass; after a correction stage 2 still needs it to end correction mode.
    const TestPassResult &result() const { return m_result; }
    const QStringList &syncExtensions() const { return m_syncExtensions; }

    bool retitleEnabled() const;
    bool editEnabled() const;
    bool cancelEnabled() const { return m_state == State::Reported; }
    bool helpEnabled() const { return m_state == State::Reported; }

    // "&Retitle Now": creates the planned folders first and stays open when that fails.
    void retitleNow();
    void editErroneous();
    // "&Cancel" and Escape; ignored while the pass runs.
    void cancel();

    static QString windowCaption();
    static QString retitleCaption();
    static QString editCaption();
    static QString cancelCaption();
    static QString helpCaption();

Q_SIGNALS:
    void progressChanged(const QString &caption, int percent);
    void passFinished();
    void closeRequested();
    // The erroneous pictures are marked: stage 2 starts on them.
    void correctionStarted();

private:
    void progress(const QString &caption, int percent);
    void close(Outcome outcome);

    Session::PictureSession &m_pictures;
    Session::Selection &m_selection;
    Settings::SessionSettings &m_sessionSettings;
    Platform::Dialogs &m_dialogs;
    Platform::FileSystem &m_files;
    DestinationPlanner &m_destinations;
    Retitler &m_retitler;
    QString m_workFolder;
    TestPreviewHooks m_hooks;
    UniqueCheck m_unique;
    QStringList m_syncExtensions;
    TestPassResult m_result;
    QList<ReportLine> m_report;
    State m_state = State::Idle;
    Outcome m_outcome = Outcome::Cancelled;
    QString m_caption;
    int m_percent = -1;
};

} // namespace Retitle
