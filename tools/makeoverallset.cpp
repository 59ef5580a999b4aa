// Writes the default overall settings file that a new installation starts from.
#include "platform/folders.h"
#include "records/recordfile.h"
#include "settings/overallsettingsrec.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: makeoverallset OUTPUT VERSION\n");
        return 2;
    }
    Settings::OverallSettingsRec rec;
    const QStringList selection = {u"IMG"_s, u"DSC"_s, u"DSCN"_s, u"DSCF"_s, u"P"_s, u"PICT"_s, u"CIMG"_s, u"PXL"_s};
    for (int i = 0; i < selection.size(); ++i)
        rec.selectionStrings[size_t(i)] = selection.at(i);
    rec.selectStartsWith = true;
    rec.showThumbnail = false;
    rec.showMessage.fill(true);
    rec.ignoreCase = true;
    rec.activateGuide = false;
    rec.maxDictionary = 50000;
    rec.maxHits = 20;
    rec.language = 999;
    rec.activeDictionaryAction = 0;
    rec.version = arguments.at(2);
    if (auto written = Records::writeFileAtomically(arguments.at(1), rec.toBytes()); !written) {
        std::fprintf(stderr, "makeoverallset: cannot write %s\n", qUtf8Printable(arguments.at(1)));
        return 1;
    }
    return 0;
}
