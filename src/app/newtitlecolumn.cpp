#include "app/newtitlecolumn.h"
#include "app/titleinput.h"

#include "compose/cameraclocks.h"
#include "compose/elementvaluesource.h"
#include "compose/exiftagdatabase.h"
#include "compose/inputrules.h"
#include "compose/numberelement.h"
#include "compose/numberplan.h"
#include "compose/numbersettingsmodel.h"
#include "compose/picturedates.h"
#include "compose/titlecomposer.h"
#include "dictionary/editline.h"
#include "platform/dialogs.h"
#include "retitle/errortable.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "settings/sessionsettings.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>

namespace App {

namespace {

// As the test pass measures them: a path and a file name of at most 255.
constexpr qsizetype maxPathLength = 255;
constexpr qsizetype maxNameBytes = 255;

bool isToRetitle(const Session::PictureRow &row)
{
    return row.isSelected() && !row.markedForDeletion;
}

QString withoutExtension(const QString &title)
{
    const qsizetype dot = title.lastIndexOf(u'.');
    return dot < 0 ? title : title.left(dot);
}

} // namespace

NewTitleColumn::NewTitleColumn(const Sources &sources, QObject *parent) : QObject(parent), m_sources(sources)
{
    m_duplicateTimer.setSingleShot(true);
    m_duplicateTimer.setInterval(duplicateDelay);
    connect(&m_duplicateTimer, &QTimer::timeout, this, &NewTitleColumn::checkDuplicates);
    m_errors = Retitle::FillErrorTable();
}

NewTitleColumn::~NewTitleColumn() = default;

void NewTitleColumn::titlesChanged()
{
    // The texts follow the interface language.
    m_errors = Retitle::FillErrorTable();
    m_cells.clear();
    m_duplicates.clear();
    m_duplicateTimer.start();
    Q_EMIT changed();
}

void NewTitleColumn::numbersChanged()
{
    m_places.reset();
    m_preceding.reset();
    titlesChanged();
}

void NewTitleColumn::rowChanged(int row)
{
    m_cells.remove(row);
    m_duplicates.clear();
    m_duplicateTimer.start();
    Q_EMIT changed();
}

Session::NewTitleCell NewTitleColumn::newTitle(int row)
{
    if (row < 0 || row >= m_sources.pictures.rowCount())
        return {};
    auto found = m_cells.constFind(row);
    if (found == m_cells.constEnd())
        found = m_cells.insert(row, compose(row));
    return *found;
}

QString NewTitleColumn::folderOf(int row) const
{
    const QString planned = m_sources.destination ? m_sources.destination(row) : QString();
    return planned.isEmpty() ? m_sources.pictures.pictureFolder() : planned;
}

Compose::NumberElement NewTitleColumn::numberElement(int row)
{
    const Session::PictureSession &pictures = m_sources.pictures;
    if (m_sources.number.numbersInOwnOrder()) {
        const Compose::NumberOrderOptions order = m_sources.number.order();
        const quint64 clocks = m_sources.dates.clocks().generation();
        if (!m_places || order.byDateTaken != m_placesOrder.byDateTaken
            || order.restartEachDay != m_placesOrder.restartEachDay
            || order.restartEachFolder != m_placesOrder.restartEachFolder || clocks != m_placesClocks) {
            m_placesOrder = order;
            m_placesClocks = clocks;
            QList<int> picked;
            for (int other = 0; other < pictures.rowCount(); ++other) {
                if (isToRetitle(pictures.row(other)))
                    picked.append(other);
            }
            m_places = Compose::numberPlaces(pictures.rows(), picked, pictures.pictureFolder(), m_sources.dates,
                                             m_sources.destination, order);
        }
        return m_sources.number.orderedElement(*m_places);
    }
    if (!m_preceding) {
        QList<int> preceding;
        preceding.reserve(pictures.rowCount());
        int count = 0;
        for (int other = 0; other < pictures.rowCount(); ++other) {
            preceding.append(count);
            count += isToRetitle(pictures.row(other)) ? 1 : 0;
        }
        m_preceding = preceding;
    }
    return m_sources.number.exampleElement(row < m_preceding->size() ? m_preceding->at(row) : 0);
}

QString NewTitleColumn::errorOf(int row, const QString &title) const
{
    if (withoutExtension(title).isEmpty())
        return m_errors.errors[Retitle::TitleError::empty];
    if (std::any_of(title.cbegin(), title.cend(), [](QChar c) { return Compose::isIllegalTitleChar(c); }))
        return Compose::illegalCharacterStatus().text;
    if (QDir(folderOf(row)).filePath(title).size() > maxPathLength || QFile::encodeName(title).size() > maxNameBytes)
        return m_errors.errors[Retitle::TitleError::pathTooLong];
    const auto duplicate = m_duplicates.constFind(row);
    if (duplicate != m_duplicates.constEnd())
        return m_errors.errors[*duplicate];
    return {};
}

Session::NewTitleCell NewTitleColumn::compose(int row)
{
    const Session::PictureSession &pictures = m_sources.pictures;
    const Session::PictureRow &picture = pictures.row(row);
    if (!isToRetitle(picture))
        return {};
    const Settings::SessionSettingsRec &settings = m_sources.settings.folderRec();
    Compose::ComposeInput input =
        titleInput(pictures, row, m_sources.editor, m_sources.editLine, settings, m_sources.exifTags);
    Compose::NumberElement number = numberElement(row);
    Compose::ElementValueSource values(settings, number, QLocale::system(), &m_sources.dates);
    Session::NewTitleCell cell;
    cell.title = Compose::TitleComposer(settings, &values).compose(input).RMTitle;
    cell.error = errorOf(row, cell.title);
    return cell;
}

void NewTitleColumn::checkDuplicates()
{
    m_duplicateTimer.stop();
    const Session::PictureSession &pictures = m_sources.pictures;
    QHash<QString, QList<int>> byTitle;
    for (int row = 0; row < pictures.rowCount(); ++row) {
        const Session::NewTitleCell cell = newTitle(row);
        if (!cell.title.isEmpty())
            byTitle[folderOf(row).toLower() + u'/' + cell.title.toLower()].append(row);
    }
    QHash<int, int> duplicates;
    for (const QList<int> &rows : std::as_const(byTitle)) {
        if (rows.size() < 2)
            continue;
        duplicates.insert(rows.first(), Retitle::TitleError::hasDuplicates);
        for (qsizetype i = 1; i < rows.size(); ++i)
            duplicates.insert(rows.at(i), Retitle::TitleError::isDuplicate);
    }
    if (duplicates == m_duplicates)
        return;
    m_duplicates = duplicates;
    for (auto cell = m_cells.begin(); cell != m_cells.end(); ++cell) {
        if (!cell->title.isEmpty())
            cell->error = errorOf(cell.key(), cell->title);
    }
    Q_EMIT changed();
}

} // namespace App
