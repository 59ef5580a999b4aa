#include "session/picturetablemodel.h"

#include "session/newtitlesource.h"
#include "session/picturesession.h"
#include "session/voicerecordings.h"

#include "l10n/text.h"

static_assert(Session::PictureTableModel::NewTitleColumn == Session::PictureSession::ColumnCount);

namespace Session {

PictureTableModel::PictureTableModel(PictureSession &session, QObject *parent)
    : QAbstractTableModel(parent), m_session(session)
{
    connect(&session, &PictureSession::tableAboutToBeRebuilt, this, [this] { beginResetModel(); });
    connect(&session, &PictureSession::tableRebuilt, this, [this] {
        findVoiceRecordings();
        endResetModel();
    });
    connect(&session, &PictureSession::rowsChanged, this, [this](int first, int last) {
        Q_EMIT dataChanged(index(first, 0), index(last, PictureSession::ColumnCount - 1));
    });
    connect(&session, &PictureSession::subjectColumnMoved, this, [this] {
        Q_EMIT headerDataChanged(Qt::Horizontal, 3, 4);
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 3), index(rowCount() - 1, 4));
    });
    // A model made for a session already open (a window built anew) finds its recordings now.
    findVoiceRecordings();
}

int PictureTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_session.rowCount();
}

int PictureTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : PictureSession::ColumnCount + 1;
}

QString PictureTableModel::newTitleCaption()
{
    return L10n::text(1792, "New title");
}

void PictureTableModel::setNewTitleSource(NewTitleSource *source)
{
    m_newTitles = source;
    newTitlesChanged();
}

void PictureTableModel::newTitlesChanged()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, NewTitleColumn), index(rowCount() - 1, NewTitleColumn),
                           {Qt::DisplayRole, Qt::ToolTipRole, NewTitleErrorRole});
}

QVariant PictureTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (index.column() == NewTitleColumn) {
        if (!m_newTitles || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != NewTitleErrorRole))
            return {};
        const NewTitleCell cell = m_newTitles->newTitle(index.row());
        if (role == Qt::DisplayRole)
            return cell.title;
        if (role == NewTitleErrorRole)
            return cell.error;
        return cell.error.isEmpty() ? cell.title : cell.error;
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (index.column() == PictureSession::MarkerColumn)
            return {};
        return m_session.cell(index.row(), index.column());
    case MarkerRole:
        return m_session.row(index.row()).marker;
    case VoiceRole: {
        const char kind = index.row() < m_voiceKinds.size() ? m_voiceKinds.at(index.row()) : 0;
        return kind ? QString(QLatin1Char(kind)) : QString();
    }
    case PairRole:
        return m_session.hasPair(m_session.row(index.row()).currentTitle);
    case Qt::TextAlignmentRole:
        if (index.column() == PictureSession::NumberColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == PictureSession::MarkerColumn)
            return int(Qt::AlignCenter);
        return {};
    default:
        return {};
    }
}

void PictureTableModel::findVoiceRecordings()
{
    m_voiceKinds.clear();
    const QString &folder = m_session.pictureFolder();
    if (m_session.rowCount() == 0 || folder.isEmpty())
        return;
    const VoiceRecordings recordings = VoiceRecordings::inFolder(folder);
    m_voiceKinds.fill(0, m_session.rowCount());
    if (recordings.isEmpty())
        return;
    for (int row = 0; row < m_session.rowCount(); ++row) {
        const VoiceRecording recording = recordings.find(folder, m_session.row(row).currentTitle);
        if (recording.available)
            m_voiceKinds[row] = recording.kind == VoiceKind::Wave ? 'W' : 'Q';
    }
}

QVariant PictureTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == NewTitleColumn) {
        if (role == Qt::DisplayRole)
            return newTitleCaption();
        if (role == ColumnShownRole)
            return true;
        return {};
    }
    if (orientation != Qt::Horizontal || section < 0 || section >= PictureSession::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return PictureSession::shownHeaderTitle(section, m_session.subjectColumn());
    if (role == Qt::ToolTipRole)
        return PictureSession::headerTitle(section, m_session.subjectColumn());
    if (role == ColumnShownRole)
        return m_session.isColumnShown(section);
    return {};
}

} // namespace Session
