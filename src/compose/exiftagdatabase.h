#pragma once

#include "metadata/exifelrec.h"
#include "records/fileerror.h"

#include <QString>
#include <QStringList>

namespace Compose {

// ExifEl.dat in the work folder: the known EXIF tags in the order they go into titles, one
// 612-byte record per tag, which ones are selected and the description each has in titles.
class ExifTagDatabase final
{
public:
    explicit ExifTagDatabase(const QString &path);

    const QString &path() const { return m_path; }

    // InitFExifEl: creates the file empty when it is missing; a missing or empty file is to be
    // built from the pictures the first time the tag dialog opens.
    Records::FileResult<void> InitFExifEl();
    bool isToBeBuilt() const { return m_toBeBuilt; }
    void setToBeBuilt(bool toBeBuilt) { m_toBeBuilt = toBeBuilt; }

    // GetAllExifFile: the records in file order, all or only the selected ones, their values empty.
    Records::FileResult<Metadata::TAExifEl> GetAllExifFile(bool OnlySelected) const;
    // Replaces the file with one record per tag in list order, the values left empty. The new
    // content takes the old one's place only once it is complete: a failure keeps the old file.
    Records::FileResult<void> write(const Metadata::TAExifEl &tags) const;

    // GetExifOfAllPics: every tag of the pictures, in picture order, each once (by number and
    // name), unselected, with its default description and the value of the first picture that has it.
    static Metadata::TAExifEl GetExifOfAllPics(const QStringList &picturePaths);

    // The EXIF tag text of one picture: "description-value" for every selected tag the picture
    // has, its value cleaned of the characters no file name may hold, joined by ","; a missing tag
    // gives "description-na" when markNotAvailable is set and nothing otherwise.
    static QString tagText(const Metadata::TAExifEl &selected, const Metadata::TAExifEl &pictureTags,
                           bool markNotAvailable);
    // The marking of a missing tag: "na", or its translation.
    static QString notAvailableText();

private:
    QString m_path;
    bool m_toBeBuilt = false;
};

// The EXIF tags element of one test pass: the selected tags, loaded once when the pass starts.
class ExifTagElement final
{
public:
    explicit ExifTagElement(const ExifTagDatabase &database) : m_database(database) {}

    // Loads the selected tags while the element is in titles; a file that cannot be read
    // leaves the element empty.
    void startPass(bool inTitle, bool markNotAvailable);
    // The tag text of the picture; empty without selected tags.
    QString text(const QString &picturePath) const;

private:
    const ExifTagDatabase &m_database;
    Metadata::TAExifEl m_selected;
    bool m_markNotAvailable = false;
};

} // namespace Compose
