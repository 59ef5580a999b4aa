#include "session/mediafollowers.h"

#include <QHash>

#include <array>
#include <climits>

using namespace Qt::StringLiterals;

namespace Session {

namespace {

// Sidecars named after the base name (IMG_1.xmp) or the whole name (IMG_1.CR2.xmp).
constexpr std::array sidecarSuffixes = {u".xmp", u".aae", u".pp3", u".dop"};
// Google Takeout only names them after the whole name.
constexpr std::array takeoutSuffixes = {u".json", u".supplemental-metadata.json"};

QString baseOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

template<size_t N>
bool isOneOf(QStringView lowerSuffix, const std::array<const char16_t *, N> &list)
{
    for (const char16_t *known : list) {
        if (lowerSuffix == QStringView(known))
            return true;
    }
    return false;
}

bool isSidecarSuffix(QStringView lowerSuffix, bool wholeName)
{
    return isOneOf(lowerSuffix, sidecarSuffixes) || (wholeName && isOneOf(lowerSuffix, takeoutSuffixes));
}

// The rank of a group's leader among listed names; INT_MAX for none.
int leaderRank(const QStringList &group, const MediaOptions &options)
{
    int best = INT_MAX;
    for (const QString &name : group) {
        if (isListedName(name, options))
            best = qMin(best, leadRank(name));
    }
    return best;
}

bool followsLeader(const QString &name, int leader, const MediaOptions &options)
{
    return options.pairsFollow && mayFollow(name) && leadRank(name) > leader;
}

} // namespace

QString Follower::newName(const QString &newTitle, int letterCase) const
{
    const QString ending = letterCase == 1 ? tail.toLower() : letterCase == 2 ? tail.toUpper() : tail;
    return (afterTitle ? newTitle : baseOf(newTitle)) + ending;
}

QList<Follower> followersOf(const QString &picture, const QStringList &candidates, const MediaOptions &options)
{
    const QString base = baseOf(picture);
    const QString prefix = base.toLower() + u'.';
    QStringList related;
    QStringList sameBase;
    for (const QString &name : candidates) {
        if (name == picture || !name.toLower().startsWith(prefix))
            continue;
        related.append(name);
        if (name.indexOf(u'.', base.size() + 1) < 0)
            sameBase.append(name);
    }
    QList<Follower> followers;
    if (related.isEmpty())
        return followers;

    const int leader = leaderRank(sameBase + QStringList{picture}, options);
    const bool leads = leadRank(picture) <= leader;
    if (leads) {
        for (const QString &name : std::as_const(sameBase)) {
            if (followsLeader(name, leader, options))
                followers.append({name, name.mid(base.size()), false, true});
        }
    }
    // The names whose sidecars follow too: the picture's and its pairs'.
    const qsizetype pairs = followers.size();
    for (const QString &name : std::as_const(related)) {
        const QString rest = name.mid(base.size());
        const QString lowerRest = rest.toLower();
        if (isSidecarSuffix(lowerRest, false)) {
            followers.append({name, rest, false, false});
            continue;
        }
        const QString pictureTail = picture.mid(base.size()).toLower();
        if (lowerRest.startsWith(pictureTail) && isSidecarSuffix(QStringView(lowerRest).mid(pictureTail.size()), true)) {
            followers.append({name, name.mid(picture.size()), true, false});
            continue;
        }
        for (qsizetype i = 0; i < pairs; ++i) {
            const QString pairTail = followers.at(i).tail.toLower();
            if (lowerRest.startsWith(pairTail) && isSidecarSuffix(QStringView(lowerRest).mid(pairTail.size()), true)) {
                followers.append({name, rest, false, false});
                break;
            }
        }
    }
    return followers;
}

QStringList withoutPairs(const QStringList &names, const MediaOptions &options, QSet<QString> *pairLeaders)
{
    QHash<QString, QStringList> groups;
    for (const QString &name : names) {
        if (mediaGroupOfName(name))
            groups[baseOf(name).toLower()].append(name);
    }
    QStringList rows;
    rows.reserve(names.size());
    for (const QString &name : names) {
        if (!isListedName(name, options))
            continue;
        const QStringList &group = groups[baseOf(name).toLower()];
        const int leader = group.size() > 1 ? leaderRank(group, options) : leadRank(name);
        if (followsLeader(name, leader, options))
            continue;
        rows.append(name);
        if (pairLeaders && group.size() > 1 && leadRank(name) == leader) {
            for (const QString &other : group) {
                if (followsLeader(other, leader, options)) {
                    pairLeaders->insert(name);
                    break;
                }
            }
        }
    }
    return rows;
}

} // namespace Session
