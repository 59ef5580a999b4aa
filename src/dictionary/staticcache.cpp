#include "dictionary/staticcache.h"

#include "records/nofollow.h"
#include "records/recordfile.h"

#include <QFile>

#include <cstring>
#include <limits>

#include <sys/stat.h>

namespace Dictionary {

namespace {

// The layout, in the machine's byte order (the copy never leaves the machine):
//   header: magic, layout version, entry count, the source's identity;
//   37 bucket sizes, then the entry numbers of every bucket in order;
//   per entry the length of its text and of its key (keyIsText when the key is the text);
//   then all texts and keys as UTF-16 code units;
//   last a checksum of everything before it, since the copy is not waited for onto the disk.
constexpr char magic[8] = {'M', 'r', 'l', 'D', 'i', 'c', 'X', '\n'};
constexpr quint32 layoutVersion = 1;
constexpr quint16 keyIsText = std::numeric_limits<quint16>::max();

struct Header
{
    char magic[8];
    quint32 version;
    quint32 entries;
    qint64 size;
    qint64 modified;
    qint64 changed;
    quint64 inode;
    quint64 device;
    quint64 textUnits;
};

template<typename T>
void put(QByteArray &bytes, const T &value)
{
    bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
}

// Reads the copy front to back; any read past its end fails the whole restore.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    template<typename T>
    bool take(T *value)
    {
        if (m_bytes.size() - m_position < qsizetype(sizeof(T)))
            return false;
        std::memcpy(value, m_bytes.constData() + m_position, sizeof(T));
        m_position += qsizetype(sizeof(T));
        return true;
    }
    const char *take(qsizetype size)
    {
        if (size < 0 || m_bytes.size() - m_position < size)
            return nullptr;
        const char *data = m_bytes.constData() + m_position;
        m_position += size;
        return data;
    }
    bool atEnd() const { return m_position == m_bytes.size(); }

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
};

quint64 checksum(const char *data, qsizetype size)
{
    quint64 sum = 14695981039346656037ull;
    qsizetype position = 0;
    for (; position + 8 <= size; position += 8) {
        quint64 word;
        std::memcpy(&word, data + position, 8);
        sum = (sum ^ word) * 1099511628211ull;
    }
    for (; position < size; ++position)
        sum = (sum ^ quint8(data[position])) * 1099511628211ull;
    return sum;
}

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

std::optional<StaticCache::Source> StaticCache::sourceOf(const QString &dictionaryFile)
{
    struct stat status;
    if (::lstat(QFile::encodeName(dictionaryFile).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return Source{qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim),
                  quint64(status.st_ino), quint64(status.st_dev)};
}

bool StaticCache::restore(const Source &source, EntryTable &table, int *entryCount) const
{
    QFile file;
    if (!Records::openWithoutFollowing(file, m_path, QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    quint64 sum = 0;
    if (bytes.size() < qsizetype(sizeof sum))
        return false;
    std::memcpy(&sum, bytes.constData() + bytes.size() - qsizetype(sizeof sum), sizeof sum);
    bytes.chop(sizeof sum);
    if (checksum(bytes.constData(), bytes.size()) != sum)
        return false;
    Reader reader(bytes);
    Header header;
    if (!reader.take(&header) || std::memcmp(header.magic, magic, sizeof magic) != 0
        || header.version != layoutVersion
        || Source{header.size, header.modified, header.changed, header.inode, header.device} != source
        || header.entries > quint32(std::numeric_limits<qint32>::max()))
        return false;
    const qint64 entries = header.entries;

    std::array<std::vector<qint32>, EntryTable::indexBuckets> buckets;
    std::array<quint32, EntryTable::indexBuckets> sizes;
    qint64 indexed = 0;
    for (quint32 &size : sizes) {
        if (!reader.take(&size))
            return false;
        indexed += size;
    }
    // Every entry stands in exactly one bucket.
    if (indexed != entries)
        return false;
    for (size_t number = 0; number < buckets.size(); ++number) {
        const char *data = reader.take(qsizetype(sizes[number]) * qsizetype(sizeof(qint32)));
        if (!data)
            return false;
        buckets[number].resize(sizes[number]);
        std::memcpy(buckets[number].data(), data, sizes[number] * sizeof(qint32));
        for (const qint32 entry : buckets[number]) {
            if (entry < 0 || entry >= entries)
                return false;
        }
    }

    const char *lengthData = reader.take(entries * 2 * qsizetype(sizeof(quint16)));
    const char *textData = reader.take(qsizetype(header.textUnits) * qsizetype(sizeof(char16_t)));
    if (!lengthData || !textData || !reader.atEnd())
        return false;
    std::vector<quint16> lengths(size_t(entries) * 2);
    std::memcpy(lengths.data(), lengthData, lengths.size() * sizeof(quint16));
    std::vector<DicTitleRec> restored(static_cast<size_t>(entries));
    quint64 used = 0;
    const auto text = [&](quint16 length) {
        const auto *units = reinterpret_cast<const QChar *>(textData) + used;
        used += length;
        return QString(units, length);
    };
    for (size_t number = 0; number < restored.size(); ++number) {
        const quint16 titleLength = lengths[2 * number];
        const quint16 keyLength = lengths[2 * number + 1];
        const quint64 needed = titleLength + (keyLength == keyIsText ? 0 : keyLength);
        if (used + needed > header.textUnits)
            return false;
        DicTitleRec &entry = restored[number];
        entry.DicTitle = text(titleLength);
        entry.DicTitleLow = keyLength == keyIsText ? entry.DicTitle : text(keyLength);
    }
    if (used != header.textUnits)
        return false;
    table.restore(std::move(restored), std::move(buckets));
    *entryCount = int(entries);
    return true;
}

bool StaticCache::store(const Source &source, const EntryTable &table) const
{
    const std::vector<DicTitleRec> &entries = table.entries();
    QByteArray lengths;
    QString texts;
    for (const DicTitleRec &entry : entries) {
        // A longer text than the lengths can say is never made from records of 255 characters;
        // such a table is simply not kept.
        if (entry.DicTitle.size() >= keyIsText || entry.DicTitleLow.size() >= keyIsText)
            return false;
        put(lengths, quint16(entry.DicTitle.size()));
        texts += entry.DicTitle;
        if (entry.DicTitleLow == entry.DicTitle) {
            put(lengths, keyIsText);
        } else {
            put(lengths, quint16(entry.DicTitleLow.size()));
            texts += entry.DicTitleLow;
        }
    }
    Header header;
    std::memcpy(header.magic, magic, sizeof magic);
    header.version = layoutVersion;
    header.entries = quint32(entries.size());
    header.size = source.size;
    header.modified = source.modified;
    header.changed = source.changed;
    header.inode = source.inode;
    header.device = source.device;
    header.textUnits = quint64(texts.size());

    QByteArray bytes;
    put(bytes, header);
    for (int number = 0; number < EntryTable::indexBuckets; ++number)
        put(bytes, quint32(table.bucket(number).size()));
    for (int number = 0; number < EntryTable::indexBuckets; ++number) {
        const std::vector<qint32> &bucket = table.bucket(number);
        bytes.append(reinterpret_cast<const char *>(bucket.data()), qsizetype(bucket.size() * sizeof(qint32)));
    }
    bytes += lengths;
    bytes.append(reinterpret_cast<const char *>(texts.constData()), texts.size() * qsizetype(sizeof(char16_t)));
    put(bytes, checksum(bytes.constData(), bytes.size()));

    Records::AtomicFile file(m_path);
    if (!file.open() || !file.write(bytes))
        return false;
    return bool(file.commit(Records::AtomicFile::Durability::Unsynced));
}

} // namespace Dictionary
