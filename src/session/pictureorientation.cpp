#include "session/pictureorientation.h"

namespace Session {

PictureOrientation PictureOrientation::fromExif(QStringView digit)
{
    if (digit.size() != 1)
        return {};
    // The digit names where the stored first row and first column belong; 5 and 7 are the
    // two diagonal reflections, each a mirror followed by a quarter turn.
    switch (digit.front().unicode()) {
    case u'2':
        return {0, true};
    case u'3':
        return {180, false};
    case u'4':
        return {180, true};
    case u'5':
        return {270, true};
    case u'6':
        return {90, false};
    case u'7':
        return {90, true};
    case u'8':
        return {270, false};
    default:
        return {};
    }
}

} // namespace Session
