#include "ui/stagecolumn.h"

#include "app/examplefit.h"
#include "app/titleexample.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QToolBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Session::StageGuide;
using Session::StagePage;

namespace {

// Whether text carries key as its access key ("&x").
bool hasAccessKey(const QString &text, int key)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    return !mnemonic.isEmpty() && int(mnemonic[0].key()) == key;
}

} // namespace

StageColumn::StageColumn(StageGuide &guide, App::TitleExample &example, QWidget *parent)
    : QWidget(parent), m_guide(guide), m_example(example)
{
    setObjectName(u"stageColumn"_s);
    m_pages = new QToolBox;
    m_pages->setObjectName(u"stagePages"_s);
    for (int index = 0; index < StageGuide::pageCount; ++index) {
        auto *page = new QWidget;
        page->setObjectName(u"stagePage%1"_s.arg(index + 1));
        m_pageLayouts[index] = new QVBoxLayout(page);
        m_pageLayouts[index]->setContentsMargins(4, 2, 4, 2);
        // A larger font than the window was laid out for still reaches every control.
        auto *scroll = new QScrollArea;
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const StagePage stage = StagePage(index);
        m_pages->addItem(scroll, StageGuide::caption(stage));
        const QKeySequence keys(Qt::ALT | Qt::Key(Qt::Key_1 + index));
        m_pages->setItemToolTip(index, keys.toString(QKeySequence::NativeText));
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, stage] { m_guide.setCurrentPage(stage); });
    }

    auto *bottomRow = new QHBoxLayout;
    bottomRow->setContentsMargins(4, 0, 4, 0);
    auto *exampleCaption = new QLabel(App::TitleExample::caption());
    m_exampleText = new QLabel;
    m_exampleText->setObjectName(u"exampleTitle"_s);
    m_exampleText->setTextFormat(Qt::RichText);
    m_exampleText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_exampleText->setMinimumWidth(1);
    bottomRow->addWidget(exampleCaption);
    bottomRow->addWidget(m_exampleText, 1);
    m_actionBar = bottomRow;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottomRow);

    connect(m_pages, &QToolBox::currentChanged, this,
            [this](int index) { m_guide.setCurrentPage(StagePage(index)); });
    connect(&m_guide, &StageGuide::pagesChanged, this, &StageColumn::showGuide);
    connect(&m_example, &App::TitleExample::titleChanged, this, &StageColumn::showExample);
    showExample();
}

void StageColumn::addPanel(StagePage page, QWidget *panel, int stretch)
{
    // The page's spacing separates its panels; their own margins would only cost height.
    if (panel->layout())
        panel->layout()->setContentsMargins(0, 2, 0, 2);
    m_pageLayouts[int(page)]->addWidget(panel, stretch);
}

void StageColumn::addToActionBar(QWidget *widget)
{
    m_actionBar->addWidget(widget);
}

void StageColumn::finishPages()
{
    for (QVBoxLayout *layout : m_pageLayouts)
        layout->addStretch(1);
    showGuide();
}

QSize StageColumn::minimumSizeHint() const
{
    // The column is as wide as its widest page needs, so no page scrolls sideways.
    QSize hint = QWidget::minimumSizeHint();
    for (const QVBoxLayout *layout : m_pageLayouts)
        hint.setWidth(qMax(hint.width(), layout->minimumSize().width() + 24));
    return hint;
}

void StageColumn::showGuide()
{
    for (int index = 0; index < StageGuide::pageCount; ++index)
        m_pages->setItemEnabled(index, m_guide.isAvailable(StagePage(index)));
    m_pages->setCurrentIndex(int(m_guide.currentPage()));
}

void StageColumn::showExample()
{
    if (m_example.currentTitle().isEmpty()) {
        m_exampleText->clear();
        return;
    }
    // The new title is shown whole; the current title gives way first.
    const QFontMetrics metrics = m_exampleText->fontMetrics();
    QFont bold = m_exampleText->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const App::ExampleFit::Lines lines = App::ExampleFit::fit(
        m_example.currentTitle(), m_example.title(), qMax(60, m_exampleText->width() - 2),
        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); },
        [&boldMetrics](const QString &text) { return boldMetrics.horizontalAdvance(text); });
    QStringList title;
    for (const QString &line : lines.title)
        title.append(line.toHtmlEscaped());
    m_exampleText->setText(lines.current.toHtmlEscaped() + (lines.below ? u"<br>"_s : QString()) + u"<b>"_s
                           + title.join(u"<br>"_s) + u"</b>"_s);
    m_exampleText->setToolTip(m_example.currentTitle() + App::ExampleFit::arrow() + m_example.title());
}

void StageColumn::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showExample();
}

bool StageColumn::activateAccessKeyOnClosedPage(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
        return false;
    const int key = event.key();
    if (key < Qt::Key_0 || key > Qt::Key_Z)
        return false;
    for (int index = 0; index < StageGuide::pageCount; ++index) {
        if (index == m_pages->currentIndex() || !m_guide.isAvailable(StagePage(index)))
            continue;
        QWidget *page = m_pages->widget(index);
        for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
            if (!hasAccessKey(button->text(), key) || !button->isEnabledTo(page))
                continue;
            m_guide.setCurrentPage(StagePage(index));
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
            return true;
        }
        for (QLabel *label : page->findChildren<QLabel *>()) {
            if (!label->buddy() || !hasAccessKey(label->text(), key) || !label->buddy()->isEnabledTo(page))
                continue;
            m_guide.setCurrentPage(StagePage(index));
            label->buddy()->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace Ui
