#include "retitle/correction.h"

#include "retitle/testpassresult.h"

#include "session/picturesession.h"

using namespace Qt::StringLiterals;

namespace Retitle {

void markErroneousTitles(Session::PictureSession &pictures, const TestPassResult &pass)
{
    for (int i = 0; i < pictures.rowCount(); ++i) {
        const Session::PictureRow &row = pictures.row(i);
        if (!row.isSelected() || !row.markedForDeletion)
            continue;
        Session::PictureRow &changed = pictures.rowForChange(i);
        changed.marker = Session::Marker::correct;
        changed.errorCode = u"0"_s;
        pictures.UpdateFSGTitleRec(i, false, false);
    }

    int erroneous = 0;
    for (const Rtitle &title : pass.titles) {
        Session::PictureRow &row = pictures.rowForChange(title.FinalTitle_Row);
        if (title.ErrorCode != TitleError::none) {
            row.errorCode = QString::number(title.ErrorCode);
            row.marker = Session::Marker::erroneous;
            ++erroneous;
        } else {
            row.errorCode = u"0"_s;
            row.marker = Session::Marker::correct;
        }
        pictures.UpdateFSGTitleRec(title.FinalTitle_Row, false, false);
    }
    pictures.setCorrectionMode(true);
    pictures.ShowSelectedPictures(erroneous);
}

} // namespace Retitle
