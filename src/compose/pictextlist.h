#pragma once

#include "records/fileerror.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class Dialogs;
}

namespace Compose {

// Which of the two per-picture texts: the prefix before the free text or the suffix after it.
enum class PicTextKind { Prefix, Suffix };

// One remembered text as the table holds it, exactly as its record stores it.
struct PicTextEntry
{
    // PPPrefix / PSSuffix.
    QString text;
    // PPPrefixLow / PSSuffixLow: the text in lower case.
    QString low;
    // PPLastUsed / PSLastUsed: days since 1899-12-30, local time.
    double lastUsed = 0;

    bool operator==(const PicTextEntry &) const = default;
};

// The remembered per-picture prefixes (PicPrefix.dat) or suffixes (PicSuffix.dat) that the
// stage-2 drop-down field offers. The table mirrors the file record by record; the sorted order
// holds record numbers. No two records have the same lower-case text. Every change is written to
// the file at once; a failed write is told to the user and leaves the table as it was.
//
// PicPrefixList and PicSuffixList give the operations their names per kind.
class PicTextList : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    // "A": by the stored lower-case bytes; "D": most recently used first.
    enum class SortOrder { Alphabetical, MostRecentFirst };

    // maximum: the number of entries kept when the file is loaded (PSMaxPicPrefSuf); a value
    // below 1 counts as the default 50. clock: the moment of a use, by default the local time.
    PicTextList(PicTextKind kind, const QString &path, int maximum, Platform::Dialogs &dialogs,
                Clock clock = {}, QObject *parent = nullptr);
    ~PicTextList() override;

    PicTextKind kind() const { return m_kind; }
    const QString &path() const { return m_path; }
    int maximum() const { return m_maximum; }
    // Takes effect at the next load.
    void setMaximum(int maximum);

    // Loads the file: with clear, or when there is none, the file is created empty and the list
    // emptied; otherwise it is read, cut to the maximum most recently used entries when longer,
    // and sorted alphabetically. Failures are returned, not shown: at start-up they end the program.
    Records::FileResult<void> init(bool clear);
    // Reads every record into the table in file order. A file damaged to a size that is not a
    // whole number of records keeps its whole records and is rewritten with them, so that later
    // appends land on a record boundary again; its bytes are kept beside it first and the user is
    // told in a box. Failing to keep them fails the read.
    Records::FileResult<void> readIntoTable();
    // Rebuilds the sorted order; equal keys keep their file order.
    void sortPointer(SortOrder sort);
    // Rewrites the file with the first maximum records of the sorted order, in that order, and
    // makes the table these records. Nothing happens while the table is within the maximum.
    Records::FileResult<void> truncateToMaximum();
    // Remembers a used text (an empty one is ignored): a known text in another letter case
    // replaces the remembered one, a known identical text gets its last use refreshed, a new
    // text is appended. False after telling the user the file could not be written.
    bool add(const QString &text);
    // Writes record filePointer (the record count appends) with the text, its lower case and the
    // clock's moment as last use, and returns the entry as stored. The table is not touched.
    Records::FileResult<PicTextEntry> update(qint64 filePointer, const QString &text);
    // Forgets the text whose lower-case form is low. False after telling the user the file could
    // not be rewritten.
    bool deleteText(const QString &low);
    // The texts in sorted order, for the drop-down list.
    QStringList dropDownItems() const;

    // The drop-down field's context menu.
    // "Clear all items" is offered while the list holds anything.
    bool canClearAll() const { return !m_table.isEmpty(); }
    // Asks "Clear all items from the drop down list?"; Yes empties the list and its file.
    void clearAllItems();
    // The drop-down entry that is exactly the field's text, or -1; selected when the menu opens.
    int dropDownIndexOf(const QString &fieldText) const;
    // "Delete item" on drop-down entry index.
    bool deleteItem(int dropDownIndex);

    const QList<PicTextEntry> &table() const { return m_table; }
    // Record numbers in the current sort order.
    const QList<int> &sortedOrder() const { return m_sorted; }

    // The record bytes of an entry in this list's file format, and back.
    QByteArray encode(const PicTextEntry &entry) const;
    PicTextEntry decode(const QByteArray &bytes) const;

Q_SIGNALS:
    // The drop-down list is to be refilled from dropDownItems().
    void itemsChanged();
    // The drop-down field's text is to be emptied (after clearing or forgetting a text).
    void fieldTextCleared();

private:
    enum class Failure { Update, Removal };
    void report(Failure failure, const Records::FileError &error);
    Records::FileResult<void> rewriteFile(const QList<PicTextEntry> &entries) const;
    // Inserts a newly appended record into the alphabetical order.
    void insertSorted(int recordNumber);

    PicTextKind m_kind;
    QString m_path;
    int m_maximum;
    Platform::Dialogs &m_dialogs;
    Clock m_clock;
    QList<PicTextEntry> m_table;
    QList<int> m_sorted;
    SortOrder m_sort = SortOrder::Alphabetical;
};

} // namespace Compose
