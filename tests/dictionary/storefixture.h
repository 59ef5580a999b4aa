#pragma once

#include "dictionary/dictionarystore.h"
#include "dictionary/pictitlerec.h"

#include "settings/programsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

// A store whose four files lie empty in a temporary work folder and picture folder.
struct StoreFixture
{
    StoreFixture()
    {
        QDir(dir.path()).mkpath(QStringLiteral("pics"));
        store.setFolderFiles(picture(QStringLiteral("MrlActiveDic.dat")), picture(QStringLiteral("MrlAContextDic.dat")));
        for (const QString &path : {work(QStringLiteral("LoadedDic.dat")), work(QStringLiteral("ContextDic.dat")),
                                    picture(QStringLiteral("MrlActiveDic.dat")), picture(QStringLiteral("MrlAContextDic.dat"))})
            writeFile(path, QByteArray());
    }

    QString work(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    QString picture(const QString &name) const { return dir.path() + QStringLiteral("/pics/") + name; }
    QString staticFile() const { return work(QStringLiteral("LoadedDic.dat")); }
    QString activeFile() const { return picture(QStringLiteral("MrlActiveDic.dat")); }
    QString staticContextFile() const { return work(QStringLiteral("ContextDic.dat")); }
    QString activeContextFile() const { return picture(QStringLiteral("MrlAContextDic.dat")); }

    QStringList entries(Dictionary::DicIndex which) const
    {
        QStringList texts;
        for (const Dictionary::DicTitleRec &entry : store.table(which).entries())
            texts.append(entry.DicTitle);
        return texts;
    }

    // Loads a dictionary as the start-up does.
    bool load(Dictionary::DicIndex which)
    {
        store.setBuildMode(Dictionary::BuildMode::Read);
        return store.MakeDic(QString(), which);
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    Settings::ProgramSettings settings{dir.path() + QStringLiteral("/PSMSet.dat")};
    Dictionary::DictionaryStore store{dir.path() + QLatin1Char('/'), settings, dialogs, QStringLiteral("4.4.0.0")};
};

// A dictionary file record as the program writes it.
inline QByteArray dictionaryRecord(const QString &title, const QString &source, const QString &version = QStringLiteral("4.4.0.0"))
{
    Dictionary::PicTitleRec rec;
    rec.title = title;
    rec.source = source;
    rec.version = version;
    return rec.toBytes();
}
