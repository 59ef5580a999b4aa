// Proposing a description for a new folder that receives 5,000 pictures with free texts, next
// to reading those free texts from the title file: counting the words must cost about as much as
// reading them, not grow with the square of the words. Prints both medians and their ratio.
//
// usage: folderproposal_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp)
#include "benchharness.h"

#include "storage/folderproposal.h"

#include "records/record.h"
#include "records/recordfile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 5'000;
constexpr int titleRecordSize = 900;
constexpr int freeTextOffset = 260;
constexpr int freeTextLength = 255;
constexpr int repetitions = 7;

// Free texts of a holiday: a few words recur across pictures, many are rare, some hold digits.
QString freeText(int picture)
{
    static const QStringList common{u"Beach"_s, u"sunset"_s, u"Harbour"_s, u"market"_s, u"family"_s,
                                    u"Dinner"_s, u"mountains"_s, u"church"_s, u"Museum"_s, u"boats"_s};
    return common.at(picture % 10) + u" with "_s + common.at((picture / 10) % 10) + u" near place"_s
           + QString::number(picture % 700) + u", day "_s + QString::number(picture % 14) + u" of "_s
           + (picture % 2 ? u"Summer"_s : u"summer"_s) + u" trip; photo."_s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"/var/tmp"_s;
    QTemporaryDir dir(parent + u"/folderproposal_bench-XXXXXX"_s);
    if (!dir.isValid())
        Bench::fail("cannot create the scratch folder");
    const QString titleFile = dir.filePath(u"MrlSGTitle2.dat"_s);
    const Records::RecordFile file(titleFile, titleRecordSize);
    const auto written = file.rewrite(pictureCount, [](qint64 index) {
        Records::Record record(titleRecordSize);
        record.setString(freeTextOffset, freeTextLength, freeText(int(index)));
        return record.bytes();
    });
    if (!written)
        Bench::fail("cannot write the title file");

    Bench::Samples reading;
    Bench::Samples proposing;
    QString proposal;
    for (int round = 0; round < repetitions; ++round) {
        QStringList texts;
        reading.time([&] {
            texts.reserve(pictureCount);
            const auto read = file.readEachWholeRecord([&](QByteArrayView bytes) {
                texts.append(Records::Record::fromBytes(bytes.toByteArray(), titleRecordSize)
                                 .string(freeTextOffset, freeTextLength));
            });
            if (!read || texts.size() != pictureCount)
                Bench::fail("cannot read the title file");
        });
        Storage::FolderProposalInput input;
        input.freeTexts = texts;
        for (int i = 0; i < pictureCount; ++i)
            input.pictureAffixes.append(u"Day"_s + QString::number(i % 14));
        input.prefix = u"Holiday"_s;
        input.usePrefix = true;
        input.minChar = 4;
        input.filterDigit = true;
        proposing.time([&] { proposal = Storage::proposeFolderDescription(input); });
    }
    if (!proposal.startsWith(u"Holiday,Day"_s))
        Bench::fail("unexpected proposal");
    Bench::report("folderproposal_read_free_texts", reading.median(), "ms");
    Bench::report("folderproposal_propose", proposing.median(), "ms");
    Bench::report("folderproposal_ratio", proposing.median() / reading.median(), "x");
    return 0;
}
