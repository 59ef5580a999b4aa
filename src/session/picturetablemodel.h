#pragma once

#include <QAbstractTableModel>
#include <QList>

namespace Session {

class NewTitleSource;
class PictureSession;

// The picture table as a Qt model. The marker column has no display text: views draw an icon
// chosen by MarkerRole. VoiceRole tells the kind of a picture's voice recording, "W" or "Q", or
// nothing; the folder is looked at for recordings once each time the table is rebuilt. After the
// session's columns comes "New title", filled from a NewTitleSource for the rows a view asks
// for; NewTitleErrorRole holds the error of a title that could not be retitled.
class PictureTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    // PairRole: whether a RAW file or a video follows the picture as its pair.
    enum Role { MarkerRole = Qt::UserRole + 1, ColumnShownRole, VoiceRole, PairRole, NewTitleErrorRole };
    static constexpr int NewTitleColumn = 10;

    explicit PictureTableModel(PictureSession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString newTitleCaption();
    // The column shows nothing without a source.
    void setNewTitleSource(NewTitleSource *source);
    // The new titles changed: views ask again for those they show.
    void newTitlesChanged();

private:
    void findVoiceRecordings();

    PictureSession &m_session;
    NewTitleSource *m_newTitles = nullptr;
    // Per row: 'W', 'Q' or 0 for none.
    QList<char> m_voiceKinds;
};

} // namespace Session
