#include "dictionary/textbuild.h"

#include "dictionary/dictionarystore.h"
#include "dictionary/textlines.h"

#include "l10n/text.h"

namespace Dictionary {

void BuildFromText(DictionaryStore &store, const QStringList &lines, BuildMode mode, int clipLength)
{
    store.setBuildMode(mode);
    store.forgetLastExaminedTitle();
    store.InitStaticDic();
    if (mode == BuildMode::Replace) {
        store.InitContextDic(DicIndex::Static, true, false, -1);
        store.TitleUnique(true, DicIndex::Static);
    }
    for (const QString &line : lines) {
        for (const QString &title : TitlesOfLine(line, clipLength))
            store.ExamineTitle(title, DicIndex::Static, u'C');
    }
    store.closeStaticDic();
    store.ResetSizeContextDic(DicIndex::Static);
    Q_EMIT store.progressShown(L10n::text(1102, " Building Dictionary from private source : creating contents table.."));
    store.VulHulpDicTabel(DicIndex::Static);
    Q_EMIT store.progressShown(L10n::text(1103, " Building Dictionary from private source : creating index table.."));
    store.SortHulpDicTabel(DicIndex::Static);
    store.ShowEntries();
    Q_EMIT store.progressShown(QString());
}

} // namespace Dictionary
