#pragma once

#include "session/stageguide.h"

#include <QWidget>

#include <array>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QToolBox;
class QVBoxLayout;

namespace App {
class TitleExample;
}

namespace Ui {

// The column beside the picture table: one page per step of the work under its stage name, only
// the current one open, and below them the example title and Test & Preview, always in view.
class StageColumn final : public QWidget
{
    Q_OBJECT

public:
    StageColumn(Session::StageGuide &guide, App::TitleExample &example, QWidget *parent = nullptr);

    void addPanel(Session::StagePage page, QWidget *panel, int stretch = 0);
    // A widget at the right end of the bar below the pages.
    void addToActionBar(QWidget *widget);
    // Closes the pages once every panel is in.
    void finishPages();

    // Alt with a letter that no shown control answers to: opens the page of the control that has
    // it as its access key and activates that control. False when no closed page has one.
    bool activateAccessKeyOnClosedPage(const QKeyEvent &event);

    QToolBox *pages() const { return m_pages; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showGuide();
    void showExample();

    Session::StageGuide &m_guide;
    App::TitleExample &m_example;
    QToolBox *m_pages = nullptr;
    std::array<QVBoxLayout *, Session::StageGuide::pageCount> m_pageLayouts{};
    QLabel *m_exampleText = nullptr;
    QHBoxLayout *m_actionBar = nullptr;
};

} // namespace Ui
