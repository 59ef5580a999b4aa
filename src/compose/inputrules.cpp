#include "compose/inputrules.h"

#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/textcodec.h"
#include "records/titletext.h"

using namespace Qt::StringLiterals;

namespace Compose {

bool isIllegalTitleChar(QChar character)
{
    return Records::isIllegalTitleCharacter(character);
}

CorrectedInput correctInput(const QString &text, int caret, int maxLength)
{
    CorrectedInput result;
    result.text.reserve(text.size());
    caret = qBound(0, caret, int(text.size()));
    int removedBeforeCaret = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (isIllegalTitleChar(text.at(i))) {
            result.refused = true;
            if (i < caret)
                ++removedBeforeCaret;
            continue;
        }
        result.text.append(text.at(i));
    }
    result.caret = caret - removedBeforeCaret;
    if (maxLength >= 0) {
        result.text = Records::TextCodec::fitted(result.text, maxLength);
        result.caret = qMin(result.caret, int(result.text.size()));
    }
    return result;
}

Platform::StatusMessage illegalCharacterStatus()
{
    return {L10n::text(293, "A file- or folder name cannot contain any of the following characters:")
                + u" / \\ : * ? \" < > |"_s,
            true, 5, Platform::Sound::Error};
}

QString storedPictureText(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= u' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= u' ')
        --last;
    return Records::TextCodec::fitted(QStringView(text).sliced(first, last - first), pictureTextLength);
}

} // namespace Compose
