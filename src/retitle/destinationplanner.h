#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Retitle {

// Where a test pass sends each picture and which folders the retitling must create first.
// Storage management plans folders below its main folder; without it every picture stays in
// the picture folder (PictureFolderDestinations).
class DestinationPlanner
{
public:
    using Progress = std::function<void(const QString &caption, int percent)>;

    virtual ~DestinationPlanner() = default;

    // "Use Picture Storage Management" is on for the session.
    virtual bool isActive() const = 0;
    // Storage management is set up and its main folder exists, whether or not it is on.
    virtual bool isAvailable() const = 0;
    // CheckOnPSMConflict: true when Test & Preview must not start; the planner has told the user why.
    virtual bool CheckOnPSMConflict() = 0;
    // Plans a destination for each of rows (picture-table rows, in table order), reporting its
    // progress. False when the user cancelled a question on the way (the new-folder descriptions),
    // which ends the test pass without a report.
    virtual bool plan(const QList<int> &rows, const Progress &progress) = 0;
    // The destination folder of a planned row: absolute, without a trailing '/'.
    virtual QString destination(int row) const = 0;
    // The symbolic link on the way to a planned row's destination, which the row cannot be moved
    // through; empty for none.
    virtual QString linkOnTheWay(int row) const = 0;
    // The folders that do not exist yet, sorted as the report lists them.
    virtual QStringList newFolders() const = 0;
    // While active: the main folder every destination lies below; empty otherwise.
    virtual QString mainFolder() const { return {}; }
    // Creates the new folders; false (the user told) leaves the Test & Preview dialog open and
    // renames nothing.
    virtual bool createNewFolders() = 0;
};

// Every picture keeps its folder: the destinations while storage management is off.
class PictureFolderDestinations final : public DestinationPlanner
{
public:
    explicit PictureFolderDestinations(std::function<QString()> pictureFolder)
        : m_pictureFolder(std::move(pictureFolder))
    {
    }

    bool isActive() const override { return false; }
    bool isAvailable() const override { return false; }
    bool CheckOnPSMConflict() override { return false; }
    bool plan(const QList<int> &, const Progress &) override { return true; }
    QString destination(int) const override { return m_pictureFolder(); }
    QString linkOnTheWay(int) const override { return {}; }
    QStringList newFolders() const override { return {}; }
    bool createNewFolders() override { return true; }

private:
    std::function<QString()> m_pictureFolder;
};

} // namespace Retitle
