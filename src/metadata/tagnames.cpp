#include "metadata/tagnames.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace Metadata {

namespace {

struct TagName
{
    quint16 tag;
    QStringView name;
};

constexpr bool byTag(const TagName &left, const TagName &right)
{
    return left.tag < right.tag;
}

constexpr std::array ifd0Names = {
    TagName{270, u"Image description"}, TagName{271, u"Make"},
    TagName{272, u"Model"}, TagName{274, u"Orientation"},
    TagName{282, u"XResolution"}, TagName{283, u"YResolution"},
    TagName{296, u"ResolutionUnit"}, TagName{305, u"Software"},
    TagName{306, u"DateTime"}, TagName{315, u"Artist"},
    TagName{318, u"WhitePoint"}, TagName{319, u"PrimaryChromaticities"},
    TagName{529, u"YCbCrCoefficients"}, TagName{531, u"YCbCrPositioning"},
    TagName{532, u"ReferenceBlackWhite"}, TagName{700, u"XMP"},
    TagName{18246, u"WindowsRating"}, TagName{33432, u"Copyright"},
    TagName{33723, u"IPTC"}, TagName{34665, u"ExifOffset"},
    TagName{34853, u"GPSOffset"}, TagName{40091, u"WindowsTitle"},
    TagName{40092, u"WindowsComments"}, TagName{40093, u"WindowsAuthor"},
    TagName{40094, u"WindowsKeywords"}, TagName{40095, u"WindowsSubject"},
    TagName{50341, u"PrintIM"}, TagName{59932, u"WindowsPadding"},
};

constexpr std::array exifNames = {
    TagName{33434, u"Exposure time"}, TagName{33437, u"FNumber"},
    TagName{34850, u"ExposureProgram"}, TagName{34852, u"SpectralSensitivity"},
    TagName{34855, u"ISOSpeedRatings"}, TagName{36864, u"ExifVersion"},
    TagName{36867, u"DateTimeOriginal"}, TagName{36868, u"DateTimeDigitized"},
    TagName{37121, u"ComponentsConfiguration"}, TagName{37122, u"CompressedBitsPerPixel"},
    TagName{37377, u"ShutterSpeedValue"}, TagName{37378, u"ApertureValue"},
    TagName{37379, u"BrightnessValue"}, TagName{37380, u"ExposureBiasValue"},
    TagName{37381, u"MaxApertureValue"}, TagName{37382, u"SubjectDistance"},
    TagName{37383, u"MeteringMode"}, TagName{37384, u"LightSource"},
    TagName{37385, u"Flash"}, TagName{37386, u"FocalLength"},
    TagName{37396, u"SubjectArea"}, TagName{37500, u"MakerNote"},
    TagName{37510, u"UserComment"}, TagName{37520, u"SubsecTime"},
    TagName{37521, u"SubsecTimeOriginal"}, TagName{37522, u"SubsecTimeDigitized"},
    TagName{40960, u"FlashPixVersion"}, TagName{40961, u"ColorSpace"},
    TagName{40962, u"ExifImageWidth"}, TagName{40963, u"ExifImageHeight"},
    TagName{40964, u"RelatedSoundFile"}, TagName{40965, u"InteropOffset"},
    TagName{41483, u"FlashEnergy"}, TagName{41484, u"SpatialFrequencyResponse"},
    TagName{41486, u"FocalPlaneXResolution"}, TagName{41487, u"FocalPlaneYResolution"},
    TagName{41488, u"FocalPlaneResolutionUnit"}, TagName{41492, u"SubjectLocation"},
    TagName{41493, u"ExposureIndex"}, TagName{41495, u"SensingMethod"},
    TagName{41728, u"FileSource"}, TagName{41729, u"SceneType"},
    TagName{41730, u"CFAPattern"}, TagName{41985, u"CustomRendered"},
    TagName{41986, u"ExposureMode"}, TagName{41987, u"WhiteBalance"},
    TagName{41988, u"DigitalZoomRatio"}, TagName{41989, u"FocalLengthIn35mmFilm"},
    TagName{41990, u"SceneCaptureType"}, TagName{41991, u"GainControl"},
    TagName{41992, u"Contrast"}, TagName{41993, u"Saturation"},
    TagName{41994, u"Sharpness"}, TagName{41995, u"DeviceSettingDescription"},
    TagName{41996, u"SubjectDistanceRange"}, TagName{42016, u"ImageUniqueID"},
    TagName{42032, u"CameraOwnerName"}, TagName{42033, u"BodySerialNumber"},
    TagName{42034, u"LensSpecification"}, TagName{42035, u"LensMake"},
    TagName{42036, u"LensModel"}, TagName{42037, u"LensSerialNumber"},
};

constexpr std::array interoperabilityNames = {
    TagName{1, u"Interop index"}, TagName{2, u"Interop version"},
    TagName{4096, u"RelatedImageFileFormat"}, TagName{4097, u"RelatedImageWidth"},
    TagName{4098, u"RelatedImageLength"},
};

constexpr std::array gpsNames = {
    TagName{0, u"GPS version"}, TagName{1, u"GPS latitude ref"},
    TagName{2, u"GPSLatitude"}, TagName{3, u"GPSLongitudeRef"},
    TagName{4, u"GPSLongitude"}, TagName{5, u"GPSAltitudeRef"},
    TagName{6, u"GPSAltitude"}, TagName{7, u"GPSTimeStamp"},
    TagName{8, u"GPSSatellites"}, TagName{9, u"GPSStatus"},
    TagName{10, u"GPSMeasureMode"}, TagName{11, u"GPSDOP"},
    TagName{12, u"GPSSpeedRef"}, TagName{13, u"GPSSpeed"},
    TagName{14, u"GPSTrackRef"}, TagName{15, u"GPSTrack"},
    TagName{16, u"GPSImgDirectionRef"}, TagName{17, u"GPSImgDirection"},
    TagName{18, u"GPSMapDatum"}, TagName{19, u"GPSDestLatitudeRef"},
    TagName{20, u"GPSDestLatitude"}, TagName{21, u"GPSDestLongitudeRef"},
    TagName{22, u"GPSDestLongitude"}, TagName{23, u"GPSDestBearingRef"},
    TagName{24, u"GPSDestBearing"}, TagName{25, u"GPSDestDistanceRef"},
    TagName{26, u"GPSDestDistance"}, TagName{27, u"GPSProcessingMethod"},
    TagName{28, u"GPSAreaInformation"}, TagName{29, u"ttGPSDateStamp"},
    TagName{30, u"GPSDifferential"},
};

constexpr std::array ifd1Names = {
    TagName{259, u"Compression"}, TagName{513, u"JPEG data offset"},
};

// Looked up by binary search.
static_assert(std::is_sorted(ifd0Names.begin(), ifd0Names.end(), byTag));
static_assert(std::is_sorted(exifNames.begin(), exifNames.end(), byTag));
static_assert(std::is_sorted(interoperabilityNames.begin(), interoperabilityNames.end(), byTag));
static_assert(std::is_sorted(gpsNames.begin(), gpsNames.end(), byTag));
static_assert(std::is_sorted(ifd1Names.begin(), ifd1Names.end(), byTag));

std::span<const TagName> namesOf(ExifDirectory directory)
{
    switch (directory) {
    case ExifDirectory::Ifd0:
        return ifd0Names;
    case ExifDirectory::Exif:
        return exifNames;
    case ExifDirectory::Interoperability:
        return interoperabilityNames;
    case ExifDirectory::Gps:
        return gpsNames;
    case ExifDirectory::Ifd1:
        return ifd1Names;
    }
    return {};
}

const TagName *findName(ExifDirectory directory, quint16 tag)
{
    const std::span<const TagName> names = namesOf(directory);
    const auto found = std::lower_bound(names.begin(), names.end(), TagName{tag, {}}, byTag);
    if (found == names.end() || found->tag != tag)
        return nullptr;
    return &*found;
}

} // namespace

QString tagName(ExifDirectory directory, quint16 tag)
{
    if (const TagName *named = findName(directory, tag))
        return named->name.toString();
    return u"$"_s + QString::number(tag, 16).rightJustified(4, u'0');
}

bool isNamedTag(ExifDirectory directory, quint16 tag)
{
    return findName(directory, tag) != nullptr;
}

} // namespace Metadata
