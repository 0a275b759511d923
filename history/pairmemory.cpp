#include "history/pairmemory.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "core/pairlist.h"
#include "history/historystore.h"
#include "quiz/scheduling/responsetimes.h"
#include "quiz/scheduling/reviewgrade.h"

namespace brainlark
{

namespace
{

// Multiple-choice and true/false: the learner picks an answer, so the time says how sure the recall was.
bool timedMode(int mode)
{
    return mode == 0 || mode == 1;
}

// The response times of a list as kept in list_states: "seconds:count" pairs.
ResponseTimes readTimes(const QString& text)
{
    ResponseTimes times;
    for (const QString& entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int colon = entry.indexOf(QLatin1Char(':'));
        if (colon > 0)
            times.add(entry.left(colon).toDouble(), entry.mid(colon + 1).toInt());
    }
    return times;
}

QString writeTimes(const ResponseTimes& times)
{
    QStringList entries;
    for (const auto& [seconds, count] : times.counts())
        entries << QStringLiteral("%1:%2").arg(seconds).arg(count);
    return entries.join(QLatin1Char(','));
}

PairSchedule scheduleFrom(const QSqlQuery& query, int first)
{
    PairSchedule schedule;
    schedule.memory.difficulty = query.value(first).toDouble();
    schedule.memory.stability = query.value(first + 1).toDouble();
    schedule.lastDay = query.value(first + 2).toLongLong();
    schedule.dueDay = query.value(first + 3).toLongLong();
    schedule.reviews = query.value(first + 4).toInt();
    return schedule;
}

// The texts are read as the database holds them (UTF-8), without a detour through QString.
void setKey(std::string& key, const QByteArray& question, const QByteArray& answer)
{
    key.assign(question.constData(), size_t(question.size()));
    key += '\n';
    key.append(answer.constData(), size_t(answer.size()));
}

// A history before the fitted weights: the defaults, with the due days reckoned for 0.90.
constexpr double UnrecordedRetention = FsrsScheduler::DefaultRetention;

// Walks a list's answers after `after` in order and hands each review (a question's first answer) to
// `use` with its grade, bringing the list's response times up to date; `last` becomes the last answer's id.
template <typename Use>
bool walkReviews(const QSqlDatabase& db, qint64 list, qint64 after, ResponseTimes& times, qint64& last,
                 Use&& use, const std::atomic<bool>* cancel = nullptr)
{
    QSqlQuery answers(db);
    answers.setForwardOnly(true);
    answers.prepare(
        QStringLiteral("SELECT id, day, CAST(question AS BLOB), CAST(answer AS BLOB), mode, correct, "
                       "seconds, first FROM answers WHERE list_id = ? AND id > ? ORDER BY id"));
    answers.addBindValue(list);
    answers.addBindValue(after);
    if (!answers.exec())
        return false;
    last = after;
    std::string pairKey;
    std::string previousKey;
    bool previousRight = true;
    double previousSeconds = 0;
    for (int count = 1; answers.next(); ++count) {
        if (cancel && count % 4096 == 0 && cancel->load())
            return false;
        last = answers.value(0).toLongLong();
        const QByteArray question = answers.value(2).toByteArray();
        const QByteArray answer = answers.value(3).toByteArray();
        const int mode = answers.value(4).toInt();
        const bool right = answers.value(5).toInt() != 0;
        const double seconds = answers.value(6).toDouble();
        setKey(pairKey, question, answer);
        // Older answers do not say whether they were a question's first: a further try follows a wrong
        // answer to the same pair, its time counted from the same showing.
        const QVariant first = answers.value(7);
        const bool firstTry = first.isNull()
                                  ? !(pairKey == previousKey && !previousRight && seconds >= previousSeconds)
                                  : first.toInt() != 0;
        previousRight = right;
        previousSeconds = seconds;
        if (firstTry) {
            const ReviewGrade grade = GradeRule::grade(right, timedMode(mode), seconds, times.median());
            if (right && timedMode(mode))
                times.add(seconds);
            use(pairKey, question, answer, int64_t(answers.value(1).toLongLong()), grade);
        }
        previousKey.swap(pairKey);
    }
    return true;
}

// A fingerprint of a list's pairs that ignores their order.
qint64 pairsFingerprint(const PairList& list)
{
    uint64_t sum = 0;
    for (const Pair& pair : list.pairs()) {
        // FNV-1a of "question\nanswer", summed so that sorting and reordering give the same fingerprint.
        uint64_t hash = 14695981039346656037ull;
        const auto add = [&hash](std::string_view text) {
            for (const char c : text)
                hash = (hash ^ uint8_t(c)) * 1099511628211ull;
        };
        add(pair.question());
        add("\n");
        add(pair.answer());
        sum += hash;
    }
    return qint64(sum ^ (uint64_t(list.pairs().size()) * 0x9E3779B97F4A7C15ull));
}

} // namespace

std::string PairMemory::key(const std::string& question, const std::string& answer)
{
    std::string key;
    key.reserve(question.size() + answer.size() + 1);
    key += question;
    key += '\n';
    key += answer;
    return key;
}

PairMemory::PairMemory(HistoryStore& store) : m_store(store) {}

bool PairMemory::prepare()
{
    if (!m_store.isOpen())
        return false;
    const double retention =
        FsrsScheduler::boundedRetention(m_retention ? m_retention() : FsrsScheduler::DefaultRetention);
    QSqlDatabase db = QSqlDatabase::database(m_store.connectionName(), false);
    QSqlQuery model(db);
    if (!model.exec(QStringLiteral("SELECT weights, retention FROM memory_model WHERE id = 1")))
        return false;
    QString weights;
    double reckoned = UnrecordedRetention;
    if (model.next()) {
        weights = model.value(0).toString();
        reckoned = model.value(1).toDouble();
    }
    model.finish();
    if (weights != m_weightsText || retention != m_scheduler.desiredRetention()) {
        const std::optional<FsrsWeights> fitted = FsrsWeights::fromText(weights.toStdString());
        m_scheduler = FsrsScheduler(fitted ? *fitted : FsrsWeights::defaults(), retention);
        m_weightsText = weights;
    }
    if (reckoned == retention)
        return true;
    // The cached due days were reckoned for another retention: the interval is the stability times a
    // factor of the retention, rounded as FsrsScheduler::interval rounds it.
    if (!db.transaction())
        return false;
    QSqlQuery due(db);
    due.prepare(
        QStringLiteral("UPDATE pair_states SET due_day = last_day + CAST(max(1, min(?, round(stability * "
                       "?))) AS INTEGER) WHERE reviews > 0"));
    due.addBindValue(FsrsScheduler::MaxInterval);
    due.addBindValue(m_scheduler.intervalScale());
    QSqlQuery note(db);
    note.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO memory_model (id, weights, retention) VALUES (1, COALESCE(?, ''), ?)"));
    note.addBindValue(weights);
    note.addBindValue(retention);
    if (!due.exec() || !note.exec() || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

bool PairMemory::update(const QString& listPath)
{
    if (!prepare())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_store.connectionName(), false);
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT l.id, s.last_answer, s.times FROM lists l LEFT JOIN list_states s ON "
                       "s.list_id = l.id WHERE l.path = ?"));
    query.addBindValue(listPath);
    if (!query.exec())
        return false;
    if (!query.next())
        return true; // no answers yet
    const qint64 list = query.value(0).toLongLong();
    const qint64 folded = query.value(1).toLongLong();
    ResponseTimes times = readTimes(query.value(2).toString());
    query.finish();

    QSqlQuery cached(db);
    cached.prepare(QStringLiteral("SELECT difficulty, stability, last_day, due_day, reviews FROM pair_states "
                                  "WHERE list_id = ? AND question = ? AND answer = ?"));
    struct Changed {
        QByteArray question;
        QByteArray answer;
        PairSchedule schedule;
    };
    std::unordered_map<std::string, Changed> changed;
    qint64 last = folded;
    const bool walked =
        walkReviews(db, list, folded, times, last,
                    [&](const std::string& pairKey, const QByteArray& question, const QByteArray& answer,
                        int64_t day, ReviewGrade grade) {
                        auto found = changed.find(pairKey);
                        if (found == changed.end()) {
                            // Folding from the first answer starts every pair afresh; otherwise from its
                            // cached memory.
                            PairSchedule start;
                            if (folded > 0) {
                                cached.addBindValue(list);
                                cached.addBindValue(QString::fromUtf8(question));
                                cached.addBindValue(QString::fromUtf8(answer));
                                if (cached.exec() && cached.next())
                                    start = scheduleFrom(cached, 0);
                                cached.finish();
                            }
                            found = changed.emplace(pairKey, Changed{question, answer, start}).first;
                        }
                        found->second.schedule =
                            m_scheduler.review(found->second.schedule, day, grade).schedule;
                    });
    if (!walked)
        return false;
    if (last == folded)
        return true;

    if (!db.transaction())
        return false;
    // An upsert, so that what notePairs() knows about the pair stays.
    QSqlQuery store(db);
    store.prepare(QStringLiteral(
        "INSERT INTO pair_states (list_id, question, answer, difficulty, stability, last_day, due_day, "
        "reviews) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (list_id, question, answer) DO UPDATE SET difficulty = "
        "excluded.difficulty, stability = excluded.stability, last_day = excluded.last_day, due_day = "
        "excluded.due_day, reviews = excluded.reviews"));
    bool ok = true;
    for (const auto& [pairKey, pair] : changed) {
        for (const QVariant& value :
             {QVariant(list), QVariant(QString::fromUtf8(pair.question)),
              QVariant(QString::fromUtf8(pair.answer)), QVariant(pair.schedule.memory.difficulty),
              QVariant(pair.schedule.memory.stability), QVariant(qint64(pair.schedule.lastDay)),
              QVariant(qint64(pair.schedule.dueDay)), QVariant(pair.schedule.reviews)})
            store.addBindValue(value);
        ok = ok && store.exec();
    }
    QSqlQuery mark(db);
    mark.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO list_states (list_id, last_answer, times) VALUES (?, ?, COALESCE(?, ''))"));
    mark.addBindValue(list);
    mark.addBindValue(last);
    mark.addBindValue(writeTimes(times));
    ok = ok && mark.exec();
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

void PairMemory::updateAll()
{
    if (!prepare())
        return;
    for (const QString& list : m_store.listsBehind())
        update(list);
}

bool PairMemory::notePairs(const QString& listPath, const PairList& list)
{
    if (!update(listPath))
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_store.connectionName(), false);
    QSqlQuery known(db);
    known.prepare(QStringLiteral("SELECT id, pairs_hash FROM lists WHERE path = ?"));
    known.addBindValue(listPath);
    if (!known.exec())
        return false;
    if (!known.next())
        return true; // the history knows nothing of this list
    const qint64 id = known.value(0).toLongLong();
    const qint64 fingerprint = pairsFingerprint(list);
    if (!known.value(1).isNull() && known.value(1).toLongLong() == fingerprint)
        return true;
    known.finish();

    std::unordered_set<std::string> keys;
    keys.reserve(list.pairs().size());
    for (const Pair& pair : list.pairs())
        keys.insert(key(std::string(pair.question()), std::string(pair.answer())));
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    rows.prepare(QStringLiteral(
        "SELECT CAST(question AS BLOB), CAST(answer AS BLOB), present FROM pair_states WHERE list_id = ?"));
    rows.addBindValue(id);
    if (!rows.exec())
        return false;
    std::vector<std::pair<QByteArray, QByteArray>> changed[2]; // to mark absent, to mark present
    std::string pairKey;
    while (rows.next()) {
        const QByteArray question = rows.value(0).toByteArray();
        const QByteArray answer = rows.value(1).toByteArray();
        setKey(pairKey, question, answer);
        const bool present = keys.count(pairKey) != 0;
        if (present != (rows.value(2).toInt() != 0))
            changed[present].emplace_back(question, answer);
    }
    rows.finish();

    if (!db.transaction())
        return false;
    QSqlQuery mark(db);
    mark.prepare(QStringLiteral(
        "UPDATE pair_states SET present = ? WHERE list_id = ? AND question = ? AND answer = ?"));
    bool ok = true;
    for (int present = 0; present < 2; ++present) {
        for (const auto& [question, answer] : changed[present]) {
            mark.addBindValue(present);
            mark.addBindValue(id);
            mark.addBindValue(QString::fromUtf8(question));
            mark.addBindValue(QString::fromUtf8(answer));
            ok = ok && mark.exec();
        }
    }
    QSqlQuery note(db);
    note.prepare(QStringLiteral("UPDATE lists SET pairs_hash = ? WHERE id = ?"));
    note.addBindValue(fingerprint);
    note.addBindValue(id);
    ok = ok && note.exec();
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

template <typename Use>
bool PairMemory::readSchedules(const QString& listPath, std::optional<int64_t> dueBy, Use&& use) const
{
    if (!m_store.isOpen())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_store.connectionName(), false));
    query.setForwardOnly(true);
    // Every column is in the index pair_states_due, so the table itself is never read.
    query.prepare(QStringLiteral("SELECT CAST(question || char(10) || answer AS BLOB), difficulty, "
                                 "stability, last_day, due_day, reviews "
                                 "FROM pair_states WHERE list_id = (SELECT id FROM lists WHERE path = ?) AND "
                                 "due_day <= ? AND reviews > 0"));
    query.addBindValue(listPath);
    query.addBindValue(qint64(dueBy.value_or(INT64_MAX)));
    if (!query.exec())
        return false;
    while (query.next()) {
        const QByteArray pairKey = query.value(0).toByteArray();
        use(std::string_view(pairKey.constData(), size_t(pairKey.size())), scheduleFrom(query, 1));
    }
    return true;
}

std::unordered_map<std::string, PairSchedule> PairMemory::schedules(const QString& listPath,
                                                                    std::optional<int64_t> dueBy) const
{
    std::unordered_map<std::string, PairSchedule> result;
    readSchedules(listPath, dueBy, [&result](std::string_view pairKey, const PairSchedule& schedule) {
        result.emplace(std::string(pairKey), schedule);
    });
    return result;
}

std::optional<int64_t> PairMemory::nextDueDay(const QString& listPath, int64_t day) const
{
    if (!m_store.isOpen())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_store.connectionName(), false));
    query.prepare(
        QStringLiteral("SELECT MIN(due_day) FROM pair_states WHERE list_id = (SELECT id FROM lists WHERE "
                       "path = ?) AND due_day > ? AND reviews > 0"));
    query.addBindValue(listPath);
    query.addBindValue(qint64(day));
    if (!query.exec() || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<FsrsWeights> PairMemory::fittedWeights() const
{
    if (!m_store.isOpen())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_store.connectionName(), false));
    if (!query.exec(QStringLiteral("SELECT weights FROM memory_model WHERE id = 1")) || !query.next())
        return std::nullopt;
    return FsrsWeights::fromText(query.value(0).toString().toStdString());
}

bool PairMemory::setFittedWeights(const std::optional<FsrsWeights>& weights)
{
    if (!prepare())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_store.connectionName(), false);
    if (!db.transaction())
        return false;
    const QString text = weights ? QString::fromStdString(weights->bounded().toText()) : QString();
    QSqlQuery note(db);
    note.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO memory_model (id, weights, retention) VALUES (1, COALESCE(?, ''), ?)"));
    note.addBindValue(text);
    note.addBindValue(m_scheduler.desiredRetention());
    // Every pair's memory is derived afresh from its first answer on the next look; what notePairs() knows
    // about the pairs stays.
    QSqlQuery forget(db);
    const bool ok = note.exec() && forget.exec(QStringLiteral("UPDATE pair_states SET reviews = 0")) &&
                    forget.exec(QStringLiteral("DELETE FROM list_states"));
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return prepare();
}

std::vector<std::vector<PairReview>> PairMemory::allReviews(const HistoryStore& store,
                                                            const std::atomic<bool>* cancel)
{
    std::vector<std::vector<PairReview>> pairs;
    if (!store.isOpen())
        return pairs;
    const QSqlDatabase db = QSqlDatabase::database(store.connectionName(), false);
    QSqlQuery lists(db);
    if (!lists.exec(QStringLiteral("SELECT id FROM lists ORDER BY id")))
        return pairs;
    std::vector<qint64> ids;
    while (lists.next())
        ids.push_back(lists.value(0).toLongLong());
    for (const qint64 list : ids) {
        std::unordered_map<std::string, size_t> index;
        ResponseTimes times;
        qint64 last = 0;
        const bool walked = walkReviews(
            db, list, 0, times, last,
            [&](const std::string& pairKey, const QByteArray&, const QByteArray&, int64_t day,
                ReviewGrade grade) {
                const auto [it, added] = index.emplace(pairKey, pairs.size());
                if (added)
                    pairs.emplace_back();
                pairs[it->second].push_back({day, grade});
            },
            cancel);
        if (!walked)
            break;
    }
    return pairs;
}

std::vector<DuePair> HistoryDueSource::duePairs(const PairList& list, int64_t today)
{
    std::vector<DuePair> due;
    if (m_listPath.isEmpty())
        return due;
    m_memory.update(m_listPath);
    // The due pairs' schedules in a flat table by the hash of their texts: every pair of a long list is
    // looked up, and a table of nodes cost a cache miss or more per pair.
    struct Entry {
        std::string key;
        PairSchedule schedule;
    };
    std::vector<Entry> entries;
    std::vector<uint32_t> buckets; // 0: empty, else 1 + the entry's index
    size_t mask = 0;
    const auto place = [&](size_t entry) {
        size_t slot = std::hash<std::string_view>()(entries[entry].key) & mask;
        while (buckets[slot] != 0)
            slot = (slot + 1) & mask;
        buckets[slot] = uint32_t(entry + 1);
    };
    m_memory.readSchedules(m_listPath, today, [&](std::string_view pairKey, const PairSchedule& schedule) {
        entries.push_back({std::string(pairKey), schedule});
        if (entries.size() * 2 > buckets.size()) {
            buckets.assign(std::max<size_t>(1024, buckets.size() * 2), 0);
            mask = buckets.size() - 1;
            for (size_t i = 0; i < entries.size(); ++i)
                place(i);
        } else {
            place(entries.size() - 1);
        }
    });
    if (entries.empty())
        return due;
    const std::vector<Pair>& pairs = list.pairs();
    std::string pairKey;
    for (size_t i = 0; i < pairs.size(); ++i) {
        pairKey.assign(pairs[i].question());
        pairKey += '\n';
        pairKey.append(pairs[i].answer());
        for (size_t slot = std::hash<std::string_view>()(pairKey) & mask; buckets[slot] != 0;
             slot = (slot + 1) & mask) {
            const Entry& entry = entries[buckets[slot] - 1];
            if (entry.key != pairKey)
                continue;
            due.push_back({int(i), entry.schedule,
                           m_memory.scheduler().retrievability(entry.schedule.memory,
                                                               double(today - entry.schedule.lastDay))});
            break;
        }
    }
    return due;
}

std::optional<int64_t> HistoryDueSource::nextDueDay(int64_t today)
{
    if (m_listPath.isEmpty())
        return std::nullopt;
    m_memory.update(m_listPath); // today's answers move their pairs' due days
    return m_memory.nextDueDay(m_listPath, today);
}

} // namespace brainlark
