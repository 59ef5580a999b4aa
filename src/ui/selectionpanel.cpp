#include "ui/selectionpanel.h"

#include "ui/checklist.h"

#include "session/selection.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

SelectionPanel::SelectionPanel(Session::Selection &selection, QWidget *parent)
    : QWidget(parent), m_selection(selection)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_kindGroup = new QGroupBox(Session::Selection::groupCaption());
    auto *kindLayout = new QVBoxLayout(m_kindGroup);
    m_kinds = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton;
        m_kinds->addButton(radio, i);
        kindLayout->addWidget(radio);
    }
    m_selectButton = new QPushButton;
    m_selectButton->setObjectName(u"selectButton"_s);
    kindLayout->addWidget(m_selectButton);
    layout->addWidget(m_kindGroup);

    auto *stringsBox = new QGroupBox;
    auto *stringsLayout = new QVBoxLayout(stringsBox);
    auto *captionRow = new QHBoxLayout;
    m_modeButton = new QToolButton;
    m_modeButton->setObjectName(u"modeButton"_s);
    m_modeButton->setAutoRaise(true);
    m_modeButton->setToolTip(Session::Selection::modeHint());
    m_maintain = new QToolButton;
    m_maintain->setText(u"…"_s);
    m_maintain->setObjectName(u"maintainStrings"_s);
    captionRow->addWidget(m_modeButton, 1);
    captionRow->addWidget(m_maintain);
    stringsLayout->addLayout(captionRow);
    m_strings = new CheckList;
    m_strings->setSelectionMode(QAbstractItemView::SingleSelection);
    m_strings->setObjectName(u"selectionStrings"_s);
    m_strings->installEventFilter(this);
    m_strings->setMaximumHeight(m_strings->fontMetrics().height() * 9);
    stringsLayout->addWidget(m_strings, 1);
    m_selectByStrings = new QPushButton;
    m_selectByStrings->setObjectName(u"selectByStrings"_s);
    stringsLayout->addWidget(m_selectByStrings);
    layout->addWidget(stringsBox, 1);

    connect(m_kinds, &QButtonGroup::idClicked, this,
            [this](int id) { m_selection.setKind(Session::SelectionKind(id)); });
    connect(m_selectButton, &QPushButton::clicked, this, [this] { m_selection.BtnSelectClick(m_selection.kind()); });
    connect(m_modeButton, &QToolButton::clicked, this, [this] { m_selection.toggleMode(); });
    connect(m_maintain, &QToolButton::clicked, this, &SelectionPanel::maintainStringsRequested);
    connect(m_selectByStrings, &QPushButton::clicked, this, [this] { m_selection.BtnSelectSClick(); });
    connect(m_strings, &CheckList::checkChanged, this,
            [this](int row, bool checked) { m_selection.setChecked(row, checked); });
    connect(&selection, &Session::Selection::captionsChanged, this, &SelectionPanel::updateCaptions);
    connect(&selection, &Session::Selection::stringsChanged, this, &SelectionPanel::fillStrings);
    fillStrings();
    updateCaptions();
}

void SelectionPanel::fillStrings()
{
    m_strings->setEntries(checkListEntries(
        m_selection.strings(), [](const Session::SelectionString &s) { return s.text; },
        [](const Session::SelectionString &s) { return s.checked; }));
}

void SelectionPanel::updateCaptions()
{
    const QStringList kinds = m_selection.kindCaptions();
    for (int i = 0; i < kinds.size(); ++i)
        m_kinds->button(i)->setText(kinds.at(i));
    m_kinds->button(int(m_selection.kind()))->setChecked(true);
    m_selectButton->setText(m_selection.buttonCaption());
    m_selectButton->setToolTip(m_selection.buttonHint());
    m_modeButton->setText(m_selection.modeCaption());
    m_selectByStrings->setText(m_selection.selectByStringsCaption());
    m_selectByStrings->setToolTip(m_selection.selectByStringsHint());
    const bool byStrings = m_selection.selectByStringsEnabled();
    m_selectByStrings->setEnabled(byStrings);
    m_modeButton->setEnabled(byStrings);
}

bool SelectionPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_strings && event->type() == QEvent::FocusOut)
        m_selection.CBSelectExit();
    return QWidget::eventFilter(watched, event);
}

} // namespace Ui
