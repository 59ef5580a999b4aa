#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMultiMap>
#include <QStringList>
#include <QTabBar>

// The access keys that more than one control of root answers to, as "key: caption | caption";
// only what the user can reach now counts: shown and enabled controls, the open page's among them.
inline QStringList accessKeyClashes(const QWidget *root)
{
    QMultiMap<QString, QString> owners;
    const auto add = [&owners, root](const QString &text, const QWidget *widget) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && widget->isVisibleTo(root) && widget->isEnabledTo(root))
            owners.insert(key.toString(), text);
    };
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>())
        add(button->text(), button);
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (label->buddy())
            add(label->text(), label);
    }
    for (const QGroupBox *box : root->findChildren<QGroupBox *>()) {
        if (box->isCheckable())
            add(box->title(), box);
    }
    for (const QTabBar *tabs : root->findChildren<QTabBar *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i), tabs);
    }
    QStringList found;
    for (const QString &key : owners.uniqueKeys()) {
        if (owners.count(key) > 1)
            found.append(key + QStringLiteral(": ") + QStringList(owners.values(key)).join(QStringLiteral(" | ")));
    }
    return found;
}
