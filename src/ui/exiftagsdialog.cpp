#include "ui/exiftagsdialog.h"

#include "compose/exiftagsmodel.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::ExifTagsModel;

ExifTagsDialog::ExifTagsDialog(ExifTagsModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(u"exifTagsDialog"_s);
    setWindowTitle(ExifTagsModel::windowCaption());
    resize(900, 560);
    m_table = new QTableView;
    m_table->setObjectName(u"exifTags"_s);
    m_table->setModel(&m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    // The columns take the width of their texts (the descriptions' caption is long) once the
    // tags are in; the values take the rest.
    connect(&m_model, &QAbstractItemModel::modelReset, m_table, [this] {
        for (int column = 0; column + 1 < m_model.columnCount(); ++column)
            m_table->resizeColumnToContents(column);
    });

    m_up = new QPushButton(ExifTagsModel::upCaption());
    m_up->setObjectName(u"up"_s);
    m_down = new QPushButton(ExifTagsModel::downCaption());
    m_down->setObjectName(u"down"_s);
    m_moveToTop = new QPushButton(ExifTagsModel::moveSelectedToTopCaption());
    m_moveToTop->setObjectName(u"moveSelectedToTop"_s);
    m_rebuild = new QPushButton(ExifTagsModel::rebuildCaption());
    m_rebuild->setObjectName(u"rebuild"_s);
    m_inTitle = new QCheckBox(ExifTagsModel::inTitleCaption());
    m_inTitle->setObjectName(u"exifInTitle"_s);
    m_mark = new QCheckBox(ExifTagsModel::markNotAvailableCaption());
    m_mark->setObjectName(u"markNotAvailable"_s);
    m_mark->setToolTip(ExifTagsModel::markNotAvailableHint());
    m_ok = new QPushButton(ExifTagsModel::okCaption());
    m_ok->setObjectName(u"ok"_s);
    m_ok->setDefault(true);
    auto *cancel = new QPushButton(ExifTagsModel::cancelCaption());
    cancel->setObjectName(u"cancel"_s);

    auto *commands = new QHBoxLayout;
    for (QWidget *button : {m_up, m_down, m_moveToTop, m_rebuild})
        commands->addWidget(button);
    commands->addStretch(1);
    auto *switches = new QHBoxLayout;
    switches->addWidget(m_inTitle);
    switches->addWidget(m_mark);
    switches->addStretch(1);
    switches->addWidget(m_ok);
    switches->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(commands);
    layout->addLayout(switches);

    connect(m_table, &QTableView::clicked, this, &ExifTagsDialog::cellClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { m_model.setCurrentRow(current.row()); });
    connect(m_up, &QPushButton::clicked, &m_model, &ExifTagsModel::moveUp);
    connect(m_down, &QPushButton::clicked, &m_model, &ExifTagsModel::moveDown);
    connect(m_moveToTop, &QPushButton::clicked, &m_model, &ExifTagsModel::moveSelectedToTop);
    connect(m_rebuild, &QPushButton::clicked, this, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const bool stays = m_model.rebuild();
        QGuiApplication::restoreOverrideCursor();
        if (!stays)
            reject();
    });
    connect(m_inTitle, &QCheckBox::clicked, &m_model, &ExifTagsModel::setInTitle);
    connect(m_mark, &QCheckBox::clicked, &m_model, &ExifTagsModel::setMarkNotAvailable);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_model, &ExifTagsModel::stateChanged, this, &ExifTagsDialog::refresh);
    refresh();
}

void ExifTagsDialog::refresh()
{
    m_up->setEnabled(m_model.isUpEnabled());
    m_down->setEnabled(m_model.isDownEnabled());
    m_moveToTop->setEnabled(m_model.isMoveSelectedToTopEnabled());
    m_rebuild->setEnabled(m_model.isRebuildEnabled());
    m_inTitle->setEnabled(m_model.isInTitleEnabled());
    m_inTitle->setChecked(m_model.inTitle());
    m_mark->setEnabled(m_model.isMarkNotAvailableEnabled());
    m_mark->setChecked(m_model.markNotAvailable());
    m_ok->setEnabled(m_model.isOkEnabled());
    const int row = m_model.currentRow();
    if (row >= 0 && m_table->currentIndex().row() != row)
        m_table->setCurrentIndex(m_model.index(row, ExifTagsModel::OrderColumn));
}

void ExifTagsDialog::cellClicked(const QModelIndex &index)
{
    if (index.column() == ExifTagsModel::SelectedColumn) {
        m_model.toggleSelected(index.row());
    } else if (index.column() == ExifTagsModel::DescriptionColumn) {
        m_model.editDescription(index.row(), [this](const QString &current) -> std::optional<QString> {
            bool ok = false;
            const QString answer = QInputDialog::getText(this, ExifTagsModel::editCaption(),
                                                         ExifTagsModel::editPrompt(), QLineEdit::Normal, current, &ok);
            if (!ok)
                return std::nullopt;
            return answer;
        });
    }
}

void ExifTagsDialog::accept()
{
    if (m_model.accept())
        QDialog::accept();
}

} // namespace Ui
