#pragma once

#include "retitle/rtitle.h"

#include "session/mediafollowers.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Retitle {

// What a test pass found, handed to the report and to the retitling; it lives from Test & Preview
// until the retitling has ended.
struct TestPassResult
{
    // One record per picture to rename, in picture-table order.
    QList<Rtitle> titles;
    // Indexes into titles in sorted title order; titles[i].Alfa_order is the inverse.
    QList<int> sortedOrder;
    int errorCount = 0;
    int warningCount = 0;
    // Selected pictures not marked for deletion.
    int picturesToRename = 0;
    // The checked unique-check folders that exist, and how many folders their expansion gave.
    QStringList uniqueFolders;
    int extendedFolderCount = 0;
    // Extensions without dot, in the order their files follow a picture.
    QStringList syncExtensions;
    // Which files are listed and whether pairs follow their picture.
    Session::MediaOptions media;
    // Per record of titles: the files that follow its picture, as the pass found them.
    QList<QList<Session::Follower>> companions;
    // The letter case the first file of each extension takes (see Compose::ExtensionCase).
    qint32 extensionCase = 0;
    // Folders the retitling creates before it starts; always empty while destinations are the
    // picture folder.
    QStringList newFolders;
    // With storage management: the main folder the destinations lie below; empty otherwise.
    QString storageFolder;
};

} // namespace Retitle
