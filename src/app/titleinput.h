#pragma once

#include "compose/titlecomposer.h"

namespace Compose {
class ExifTagDatabase;
}
namespace Dictionary {
class EditLine;
}
namespace Session {
class FreeTextEditor;
class PictureSession;
} // namespace Session
namespace Settings {
struct SessionSettingsRec;
}

namespace App {

// What the composer needs of one row of the picture table to give its new title now: the text
// typed so far where the row is being edited in stage 2, and its EXIF values when the title
// holds them.
Compose::ComposeInput titleInput(const Session::PictureSession &pictures, int row, const Session::FreeTextEditor &editor,
                                 const Dictionary::EditLine &editLine, const Settings::SessionSettingsRec &settings,
                                 const Compose::ExifTagDatabase &exifTags);

} // namespace App
