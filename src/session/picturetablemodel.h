#pragma once

#include <QAbstractTableModel>

namespace Session {

class PictureSession;

// The picture table as a Qt model. The marker column has no display text: views draw an icon
// chosen by MarkerRole.
class PictureTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role { MarkerRole = Qt::UserRole + 1, ColumnShownRole };

    explicit PictureTableModel(PictureSession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    PictureSession &m_session;
};

} // namespace Session
