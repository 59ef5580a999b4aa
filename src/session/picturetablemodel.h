#pragma once

#include <QAbstractTableModel>
#include <QList>

namespace Session {

class PictureSession;

// The picture table as a Qt model. The marker column has no display text: views draw an icon
// chosen by MarkerRole. VoiceRole tells the kind of a picture's voice recording, "W" or "Q", or
// nothing; the folder is looked at for recordings once each time the table is rebuilt.
class PictureTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    // PairRole: whether a RAW file or a video follows the picture as its pair.
    enum Role { MarkerRole = Qt::UserRole + 1, ColumnShownRole, VoiceRole, PairRole };

    explicit PictureTableModel(PictureSession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void findVoiceRecordings();

    PictureSession &m_session;
    // Per row: 'W', 'Q' or 0 for none.
    QList<char> m_voiceKinds;
};

} // namespace Session
