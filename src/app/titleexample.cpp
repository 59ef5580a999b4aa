#include "app/titleexample.h"

#include "app/newtitlecolumn.h"
#include "app/titleinput.h"

#include "compose/elementvaluesource.h"
#include "compose/exiftagdatabase.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlecomposer.h"
#include "dictionary/editline.h"
#include "l10n/text.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "settings/sessionsettings.h"

#include <QLocale>

namespace App {

TitleExample::TitleExample(const Sources &sources, QObject *parent) : QObject(parent), m_sources(sources)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &TitleExample::update);
}

QString TitleExample::caption()
{
    return L10n::text(1034, "Example:");
}

void TitleExample::scheduleUpdate()
{
    m_timer.start();
}

int TitleExample::exampleRow() const
{
    const Session::PictureSession &pictures = m_sources.pictures;
    const int stage2Row = m_sources.editor.stage2Row();
    if (stage2Row >= 0 && stage2Row < pictures.rowCount())
        return stage2Row;
    const int current = m_sources.editor.currentRow();
    if (current >= 0 && current < pictures.rowCount())
        return current;
    for (int row = 0; row < pictures.rowCount(); ++row) {
        if (pictures.row(row).isSelected())
            return row;
    }
    return pictures.rowCount() > 0 ? 0 : -1;
}

void TitleExample::update()
{
    m_timer.stop();
    QString title;
    QString currentTitle;
    const int row = exampleRow();
    if (row >= 0) {
        const Session::PictureSession &pictures = m_sources.pictures;
        const Session::PictureRow &picture = pictures.row(row);
        currentTitle = picture.currentTitle;
        const Settings::SessionSettingsRec &settings = m_sources.settings.folderRec();
        Compose::ComposeInput input =
            titleInput(pictures, row, m_sources.editor, m_sources.editLine, settings, m_sources.exifTags);
        int preceding = 0;
        for (int other = 0; other < row && !m_sources.column; ++other)
            preceding += pictures.row(other).isSelected() ? 1 : 0;
        Compose::NumberElement number =
            m_sources.column ? m_sources.column->numberElement(row) : m_sources.number.exampleElement(preceding);
        Compose::ElementValueSource values(settings, number, QLocale::system(),
                                           m_sources.column ? &m_sources.column->dates() : nullptr);
        title = Compose::TitleComposer(settings, &values).compose(input).RMTitle;
    }
    if (title != m_title || currentTitle != m_currentTitle) {
        m_title = title;
        m_currentTitle = currentTitle;
        Q_EMIT titleChanged();
    }
}

} // namespace App
