#include "ui/picturecaption.h"

#include "session/previewpicture.h"

#include "l10n/text.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace Ui {

PictureCaption::PictureCaption(Qt::Orientation orientation, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight,
                                  this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(orientation == Qt::Vertical ? 2 : 24);
    m_date = new QLabel;
    m_date->setObjectName(u"pictureDate"_s);
    m_name = new QLabel;
    m_name->setObjectName(u"pictureName"_s);
    m_map = new QLabel;
    m_map->setObjectName(u"pictureMapLink"_s);
    m_map->setTextFormat(Qt::RichText);
    m_map->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_map->setToolTip(L10n::text(1249, "Show where the picture was taken on the map"));
    connect(m_map, &QLabel::linkActivated, this, [](const QString &link) { QDesktopServices::openUrl(QUrl(link)); });
    for (QLabel *label : {m_date, m_name, m_map}) {
        label->setAlignment(Qt::AlignCenter);
        // A long file name is cut at the pane's edge rather than widening it.
        if (orientation == Qt::Vertical)
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        layout->addWidget(label);
    }
    if (orientation == Qt::Horizontal)
        layout->addStretch(1);
}

void PictureCaption::setPicture(const Session::PreviewPicture &picture)
{
    m_date->setText(picture.dateTaken);
    m_date->setVisible(!picture.dateTaken.isEmpty());
    m_name->setText(picture.fileName);
    m_name->setToolTip(picture.fileName);
    m_link = picture.mapLink.toString(QUrl::FullyEncoded);
    m_position = picture.position;
    showMapLink();
    m_map->setVisible(!m_link.isEmpty());
}

void PictureCaption::showMapLink()
{
    // The link takes the palette's link colour, readable in light and dark themes alike; the
    // colour is named in the text because a label keeps the colour its text was given with.
    const QString colour = palette().color(QPalette::Link).name();
    m_map->setText(m_link.isEmpty() ? QString()
                                    : u"<a href=\"%1\" style=\"color:%3\">%2</a>"_s.arg(
                                          m_link, m_position.toHtmlEscaped(), colour));
}

void PictureCaption::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A theme chosen while the program runs.
    if (event->type() == QEvent::PaletteChange)
        showMapLink();
}

QString PictureCaption::mapText() const
{
    return m_map->text();
}

QString PictureCaption::dateText() const
{
    return m_date->text();
}

QString PictureCaption::nameText() const
{
    return m_name->text();
}

QString PictureCaption::mapLink() const
{
    return m_link;
}

} // namespace Ui
