#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

namespace Storage {

// One line of an example storage tree: its depth below the root (the root is 0) and its text.
struct ExampleNode
{
    int depth = 0;
    QString text;
    bool isPicture = false;

    bool operator==(const ExampleNode &) const = default;
};

// What an example tree shows besides the scheme.
struct ExampleChoices
{
    int levels = 1;
    int subjectPosition = 0;
    bool subjectOptional = false;
    bool addNameDay = false;
    bool abbreviateNameDay = false;
    bool promptFolder = false;
};

// The example tree of a scheme below root: two sample folders per level of which the first is
// opened, two pictures in the first date-taken folder; with an optional subject the levels below
// the subject also appear without it. Years are today's and the year before.
QList<ExampleNode> exampleTree(const QString &root, const ExampleChoices &choices, const QDate &today,
                               const QLocale &locale = QLocale::system());

} // namespace Storage
