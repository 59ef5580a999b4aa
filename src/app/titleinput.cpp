#include "app/titleinput.h"

#include "compose/exiftagdatabase.h"
#include "dictionary/editline.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "settings/sessionsettingsrec.h"

#include <QDir>

namespace App {

Compose::ComposeInput titleInput(const Session::PictureSession &pictures, int row, const Session::FreeTextEditor &editor,
                                 const Dictionary::EditLine &editLine, const Settings::SessionSettingsRec &settings,
                                 const Compose::ExifTagDatabase &exifTags)
{
    const Session::PictureRow &picture = pictures.row(row);
    Compose::ComposeInput input;
    input.currentTitle = picture.currentTitle;
    input.picturePath = QDir(pictures.pictureFolder()).filePath(picture.currentTitle);
    input.freeText = row == editor.stage2Row() ? editLine.text() : picture.freeText;
    input.picturePrefix = picture.prefix;
    input.pictureSuffix = picture.suffix;
    if (settings.exifTagsInTitle) {
        Compose::ExifTagElement exif(exifTags);
        exif.startPass(true, settings.markNotAvailable);
        input.exifText = exif.text(input.picturePath);
    }
    return input;
}

} // namespace App
