#include "ui/folderdescriptionsdialog.h"

#include "ui/picturecanvas.h"

#include "storage/folderdescriptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Ui {

using Storage::FolderDescriptions;
using Caption = Storage::FolderDescriptions::Caption;

FolderDescriptionsDialog::FolderDescriptionsDialog(FolderDescriptions &model, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(FolderDescriptions::caption(Caption::Window));
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 600);
    resize(std::min(1000, available.width()), std::min(640, available.height()));
    auto *layout = new QVBoxLayout(this);

    m_listLabel = new QLabel;
    layout->addWidget(m_listLabel);
    m_rows = new QTableWidget(0, 4);
    m_rows->setObjectName(QStringLiteral("newFolderTable"));
    m_rows->setHorizontalHeaderLabels({FolderDescriptions::caption(Caption::Number),
                                       FolderDescriptions::caption(Caption::NewFolder),
                                       FolderDescriptions::caption(Caption::Description),
                                       FolderDescriptions::caption(Caption::ParentPath)});
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setTabKeyNavigation(false);
    m_rows->verticalHeader()->hide();
    for (int column = 0; column < 3; ++column)
        m_rows->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_rows->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    layout->addWidget(m_rows, 2);

    m_caption = new QLabel;
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    layout->addWidget(m_caption);
    auto *entry = new QHBoxLayout;
    m_description = new QLineEdit;
    m_description->setObjectName(QStringLiteral("descriptionEdit"));
    auto *enter = new QPushButton(FolderDescriptions::caption(Caption::Enter));
    enter->setToolTip(FolderDescriptions::caption(Caption::EnterHint));
    entry->addWidget(m_description, 1);
    entry->addWidget(enter);
    layout->addLayout(entry);

    auto *middle = new QHBoxLayout;
    auto *texts = new QVBoxLayout;
    m_information = new QLabel;
    texts->addWidget(m_information);
    m_freeTexts = new QListWidget;
    m_freeTexts->setObjectName(QStringLiteral("freeTextList"));
    texts->addWidget(m_freeTexts, 1);
    auto *words = new QGridLayout;
    auto *minLabel = new QLabel(FolderDescriptions::caption(Caption::MinimumLength));
    m_minChar = new QSpinBox;
    m_minChar->setRange(FolderDescriptions::minimumMinChar, FolderDescriptions::maximumMinChar);
    m_minChar->setFocusPolicy(Qt::StrongFocus);
    minLabel->setBuddy(m_minChar);
    m_filterDigit = new QCheckBox(FolderDescriptions::caption(Caption::FilterDigits));
    m_filterDigit->setToolTip(FolderDescriptions::caption(Caption::FilterDigitsHint));
    words->addWidget(minLabel, 0, 0);
    words->addWidget(m_minChar, 0, 1);
    words->addWidget(m_filterDigit, 0, 2);
    m_topWordsLabel = new QLabel;
    m_proposal = new QLineEdit;
    m_proposal->setReadOnly(true);
    words->addWidget(m_topWordsLabel, 1, 0, 1, 3);
    words->addWidget(m_proposal, 2, 0, 1, 3);
    m_import = new QPushButton(FolderDescriptions::caption(Caption::Import));
    auto *importAll = new QPushButton(FolderDescriptions::caption(Caption::ImportAll));
    m_overwrite = new QCheckBox(FolderDescriptions::caption(Caption::Overwrite));
    words->addWidget(m_import, 3, 0);
    words->addWidget(importAll, 3, 1);
    words->addWidget(m_overwrite, 3, 2);
    texts->addLayout(words);
    middle->addLayout(texts, 3);

    auto *browse = new QVBoxLayout;
    m_canvas = new PictureCanvas;
    m_canvas->setMinimumSize(200, 150);
    browse->addWidget(m_canvas, 1);
    m_pictureMessage = new QLabel;
    m_pictureMessage->setAlignment(Qt::AlignCenter);
    browse->addWidget(m_pictureMessage);
    auto *arrows = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("<"));
    previous->setToolTip(FolderDescriptions::caption(Caption::Previous));
    auto *next = new QPushButton(QStringLiteral(">"));
    next->setToolTip(FolderDescriptions::caption(Caption::Next));
    for (QPushButton *button : {previous, next})
        button->setFocusPolicy(Qt::NoFocus);
    arrows->addWidget(previous);
    arrows->addWidget(next);
    browse->addLayout(arrows);
    middle->addLayout(browse, 2);
    layout->addLayout(middle, 3);

    auto *buttons = new QHBoxLayout;
    auto *done = new QPushButton(FolderDescriptions::caption(Caption::Done));
    auto *cancel = new QPushButton(FolderDescriptions::caption(Caption::Cancel));
    buttons->addStretch(1);
    buttons->addWidget(done);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    done->setAutoDefault(false);
    cancel->setAutoDefault(false);
    enter->setAutoDefault(false);

    connect(m_rows, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_refreshing && row >= 0 && row != m_model.currentRow()) {
            m_model.choose(row);
            refresh();
        }
    });
    const auto confirm = [this] {
        m_model.confirm(m_description->text());
        refresh();
    };
    connect(m_description, &QLineEdit::returnPressed, this, confirm);
    connect(enter, &QPushButton::clicked, this, confirm);
    connect(m_description, &QLineEdit::textEdited, this, [this](const QString &text) {
        const Compose::CorrectedInput corrected = m_model.typed(text, m_description->cursorPosition());
        if (corrected.text != text) {
            m_description->setText(corrected.text);
            m_description->setCursorPosition(corrected.caret);
        }
    });
    connect(m_import, &QPushButton::clicked, this, [this] { m_description->setText(m_model.proposal()); });
    connect(importAll, &QPushButton::clicked, this, [this] {
        const QString last = m_model.importForAll(m_overwrite->isChecked());
        refresh();
        m_description->setText(last);
    });
    connect(m_minChar, &QSpinBox::valueChanged, this, [this](int value) {
        if (!m_refreshing) {
            m_model.setMinChar(value);
            refresh();
        }
    });
    connect(m_filterDigit, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing) {
            m_model.setFilterDigit(on);
            refresh();
        }
    });
    connect(m_freeTexts, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_model.showLine(m_freeTexts->row(item));
        refreshPicture();
    });
    connect(previous, &QPushButton::clicked, this, [this] {
        m_model.previousPicture();
        refreshPicture();
    });
    connect(next, &QPushButton::clicked, this, [this] {
        m_model.nextPicture();
        refreshPicture();
    });
    connect(m_canvas, &PictureCanvas::pictureReady, this, [this] {
        if (m_canvas->failed() && m_pictureMessage->text().isEmpty())
            m_pictureMessage->setText(FolderDescriptions::cannotShowText());
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_rows->installEventFilter(this);
    m_freeTexts->installEventFilter(this);
    refresh();
    m_description->setFocus();
}

void FolderDescriptionsDialog::accept()
{
    if (m_model.mayFinish())
        QDialog::accept();
}

bool FolderDescriptionsDialog::browse(const QKeyEvent &event)
{
    if (event.key() != Qt::Key_Left && event.key() != Qt::Key_Right)
        return false;
    if (event.key() == Qt::Key_Left)
        m_model.previousPicture();
    else
        m_model.nextPicture();
    refreshPicture();
    return true;
}

bool FolderDescriptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The lists would take Left and Right for themselves.
    if (event->type() == QEvent::KeyPress && browse(*static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void FolderDescriptionsDialog::keyPressEvent(QKeyEvent *event)
{
    if (!m_description->hasFocus() && browse(*event))
        return;
    // Enter belongs to the description field, never to a button that would close the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void FolderDescriptionsDialog::refresh()
{
    m_refreshing = true;
    const QList<FolderDescriptions::Row> &rows = m_model.rows();
    m_listLabel->setText(m_model.listLabel());
    m_rows->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const FolderDescriptions::Row &row = rows.at(i);
        const QStringList cells{QString::number(i + 1), row.newFolder, row.description, row.parentPath};
        for (int column = 0; column < cells.size(); ++column)
            m_rows->setItem(i, column, new QTableWidgetItem(cells.at(column)));
    }
    m_rows->setCurrentCell(m_model.currentRow(), 0);
    m_caption->setText(m_model.caption());
    if (m_model.currentRow() >= 0)
        m_description->setText(rows.at(m_model.currentRow()).description);
    m_information->setText(m_model.informationLine());
    m_freeTexts->clear();
    if (m_model.wordsEnabled()) {
        m_freeTexts->addItems(m_model.freeTextLines());
    } else {
        auto *item = new QListWidgetItem(FolderDescriptions::noFreeTextsText());
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setForeground(Qt::red);
        m_freeTexts->addItem(item);
    }
    m_minChar->setValue(m_model.minChar());
    m_filterDigit->setChecked(m_model.filterDigit());
    m_minChar->setEnabled(m_model.wordsEnabled());
    m_filterDigit->setEnabled(m_model.wordsEnabled());
    m_topWordsLabel->setText(m_model.topWordsCaption());
    m_proposal->setText(m_model.proposal());
    m_import->setEnabled(m_model.importEnabled());
    m_refreshing = false;
    refreshPicture();
}

void FolderDescriptionsDialog::refreshPicture()
{
    const int line = m_model.highlightedLine();
    if (m_model.wordsEnabled())
        m_freeTexts->setCurrentRow(line);
    m_pictureMessage->setText(m_model.pictureMessage());
    m_canvas->setPicture(m_model.pictureMessage().isEmpty() ? m_model.picturePath() : QString(), {});
}

} // namespace Ui
