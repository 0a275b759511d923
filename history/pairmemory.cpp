#include "history/pairmemory.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

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

PairMemory::PairMemory(HistoryStore& store, const FsrsScheduler& scheduler)
    : m_store(store), m_scheduler(scheduler)
{
}

bool PairMemory::update(const QString& listPath)
{
    if (!m_store.isOpen())
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

    QSqlQuery answers(db);
    answers.setForwardOnly(true);
    answers.prepare(
        QStringLiteral("SELECT id, day, question, answer, mode, correct, seconds, first FROM answers "
                       "WHERE list_id = ? AND id > ? ORDER BY id"));
    answers.addBindValue(list);
    answers.addBindValue(folded);
    if (!answers.exec())
        return false;
    QSqlQuery cached(db);
    cached.prepare(QStringLiteral("SELECT difficulty, stability, last_day, due_day, reviews FROM pair_states "
                                  "WHERE list_id = ? AND question = ? AND answer = ?"));
    struct Changed {
        QString question;
        QString answer;
        PairSchedule schedule;
    };
    std::unordered_map<std::string, Changed> changed;
    qint64 last = folded;
    std::string previousKey;
    bool previousRight = true;
    double previousSeconds = 0;
    while (answers.next()) {
        last = answers.value(0).toLongLong();
        const qint64 day = answers.value(1).toLongLong();
        const QString question = answers.value(2).toString();
        const QString answer = answers.value(3).toString();
        const int mode = answers.value(4).toInt();
        const bool right = answers.value(5).toInt() != 0;
        const double seconds = answers.value(6).toDouble();
        const std::string pairKey = key(question.toStdString(), answer.toStdString());
        // Older answers do not say whether they were a question's first: a further try follows a wrong
        // answer to the same pair, its time counted from the same showing.
        const bool firstTry = answers.value(7).isNull()
                                  ? !(pairKey == previousKey && !previousRight && seconds >= previousSeconds)
                                  : answers.value(7).toInt() != 0;
        previousKey = pairKey;
        previousRight = right;
        previousSeconds = seconds;
        if (!firstTry)
            continue;
        const ReviewGrade grade = GradeRule::grade(right, timedMode(mode), seconds, times.median());
        if (right && timedMode(mode))
            times.add(seconds);
        auto found = changed.find(pairKey);
        if (found == changed.end()) {
            PairSchedule start;
            cached.addBindValue(list);
            cached.addBindValue(question);
            cached.addBindValue(answer);
            if (cached.exec() && cached.next())
                start = scheduleFrom(cached, 0);
            cached.finish();
            found = changed.emplace(pairKey, Changed{question, answer, start}).first;
        }
        found->second.schedule = m_scheduler.review(found->second.schedule, day, grade).schedule;
    }
    answers.finish();
    if (last == folded)
        return true;

    if (!db.transaction())
        return false;
    QSqlQuery store(db);
    store.prepare(QStringLiteral("INSERT OR REPLACE INTO pair_states (list_id, question, answer, difficulty, "
                                 "stability, last_day, due_day, reviews) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    bool ok = true;
    for (const auto& [pairKey, pair] : changed) {
        for (const QVariant& value :
             {QVariant(list), QVariant(pair.question), QVariant(pair.answer),
              QVariant(pair.schedule.memory.difficulty), QVariant(pair.schedule.memory.stability),
              QVariant(qint64(pair.schedule.lastDay)), QVariant(qint64(pair.schedule.dueDay)),
              QVariant(pair.schedule.reviews)})
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
    for (const QString& list : m_store.listsBehind())
        update(list);
}

std::unordered_map<std::string, PairSchedule> PairMemory::schedules(const QString& listPath,
                                                                    std::optional<int64_t> dueBy) const
{
    std::unordered_map<std::string, PairSchedule> result;
    if (!m_store.isOpen())
        return result;
    QSqlQuery query(QSqlDatabase::database(m_store.connectionName(), false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT question, answer, difficulty, stability, last_day, due_day, reviews FROM "
                       "pair_states WHERE list_id = (SELECT id FROM lists WHERE path = ?) AND due_day <= ?"));
    query.addBindValue(listPath);
    query.addBindValue(qint64(dueBy.value_or(INT64_MAX)));
    if (!query.exec())
        return result;
    while (query.next())
        result.emplace(key(query.value(0).toString().toStdString(), query.value(1).toString().toStdString()),
                       scheduleFrom(query, 2));
    return result;
}

std::optional<int64_t> PairMemory::nextDueDay(const QString& listPath, int64_t day) const
{
    if (!m_store.isOpen())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_store.connectionName(), false));
    query.prepare(
        QStringLiteral("SELECT MIN(due_day) FROM pair_states WHERE list_id = (SELECT id FROM lists WHERE "
                       "path = ?) AND due_day > ?"));
    query.addBindValue(listPath);
    query.addBindValue(qint64(day));
    if (!query.exec() || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::vector<DuePair> HistoryDueSource::duePairs(const PairList& list, int64_t today)
{
    std::vector<DuePair> due;
    if (m_listPath.isEmpty())
        return due;
    m_memory.update(m_listPath);
    const std::unordered_map<std::string, PairSchedule> schedules = m_memory.schedules(m_listPath, today);
    if (schedules.empty())
        return due;
    const std::vector<Pair>& pairs = list.pairs();
    for (size_t i = 0; i < pairs.size(); ++i) {
        const auto found = schedules.find(
            PairMemory::key(std::string(pairs[i].question()), std::string(pairs[i].answer())));
        if (found == schedules.end())
            continue;
        const PairSchedule& schedule = found->second;
        due.push_back(
            {int(i), schedule,
             m_memory.scheduler().retrievability(schedule.memory, double(today - schedule.lastDay))});
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
