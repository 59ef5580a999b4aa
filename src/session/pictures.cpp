#include "session/pictures.h"

#include "session/mediatypes.h"

#include <QDirIterator>

#include <array>

using namespace Qt::StringLiterals;

namespace Session {

namespace {
constexpr std::array pictureExtensions = {u".jpeg", u".jpg", u".bmp", u".wmf", u".emf", u".ico", u".tif", u".png", u".gif"};
constexpr std::array workFiles = {u"mrlactivedic.dat", u"mrlsgtitle2.dat", u"mrlsessionset.dat", u"picnewfolder.dat",
                                  u"mrlacontextdic.dat", u"thumbs.db"};
} // namespace

bool IsPictureExtension(QStringView extension, bool withVoiceFiles)
{
    for (const char16_t *known : pictureExtensions) {
        if (extension == QStringView(known))
            return true;
    }
    return withVoiceFiles && (extension == u".wav" || extension == u".mov");
}

QString extensionOf(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot).toString().toLower();
}

bool FolderHasPictures(const QString &folder)
{
    // The wildcard matching of the folder listing: a name ends in one of the patterns' extensions
    // in any case; what the entry is beyond "not a folder" is not examined.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        // A folder of a phone's HEIF pictures and videos has pictures too.
        if (mediaGroupOf(extensionOf(it.fileName())))
            return true;
    }
    return false;
}

bool IsWorkFile(QStringView lowerCaseName)
{
    for (const char16_t *name : workFiles) {
        if (lowerCaseName == QStringView(name))
            return true;
    }
    return false;
}

bool FolderHoldsOnlyWorkFiles(const QString &folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (!IsWorkFile(it.fileName().toLower()))
            return false;
    }
    return true;
}

QString ThumbnailPath(const QString &picturePath)
{
    const qsizetype slash = picturePath.lastIndexOf(u'/');
    return picturePath.left(slash + 1) + u"xelthumb/"_s + picturePath.mid(slash + 1);
}

} // namespace Session
