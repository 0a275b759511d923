#include "history/historystore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace brainlark
{

namespace
{

// Each entry takes the schema one version forward (entry i: from version i to i + 1).
const char* const Migrations[] = {
    // 1: the lists and their answers.
    "CREATE TABLE lists (id INTEGER PRIMARY KEY, path TEXT UNIQUE);"
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, list_id INTEGER NOT NULL,"
    " question TEXT NOT NULL, answer TEXT NOT NULL, mode INTEGER NOT NULL, correct INTEGER NOT NULL,"
    " seconds REAL NOT NULL)",
    // 2: the local day of each answer and a per-day summary, so that the statistics never scan the answers.
    "ALTER TABLE answers ADD COLUMN day INTEGER;"
    "UPDATE answers SET day = CAST(julianday(date(time, 'unixepoch', 'localtime')) + 0.5 AS INTEGER);"
    "CREATE TABLE study_days (list_id INTEGER NOT NULL, day INTEGER NOT NULL, answers INTEGER NOT NULL,"
    " correct INTEGER NOT NULL, seconds REAL NOT NULL, PRIMARY KEY (list_id, day)) WITHOUT ROWID;"
    "INSERT INTO study_days SELECT list_id, day, COUNT(*), SUM(correct), SUM(MIN(seconds, 60.0))"
    " FROM answers GROUP BY list_id, day;"
    "CREATE INDEX study_days_by_day ON study_days (day)",
};
static_assert(std::size(Migrations) == HistoryStore::SchemaVersion, "one migration per schema version");

QSqlDatabase database(const QString& connection)
{
    return QSqlDatabase::database(connection, false);
}

} // namespace

HistoryStore::HistoryStore()
    : m_connection(QStringLiteral("brainlark-history-%1").arg(reinterpret_cast<quintptr>(this)))
{
}

HistoryStore::~HistoryStore()
{
    {
        QSqlDatabase db = database(m_connection);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::removeDatabase(m_connection);
}

bool HistoryStore::fail(const QString& what)
{
    m_error = what;
    return false;
}

bool HistoryStore::exec(const QString& sql)
{
    QSqlQuery query(database(m_connection));
    if (query.exec(sql))
        return true;
    return fail(query.lastError().text());
}

bool HistoryStore::open(const QString& path)
{
    m_open = false;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QStringLiteral("the SQLite driver of Qt is not installed"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? database(m_connection)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.close();
    db.setDatabaseName(path);
    // A locked database must not hold the quiz up for long.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
    if (!db.open())
        return fail(db.lastError().text());
    // Write-ahead logging keeps one answer's commit to a single short write.
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (!migrate()) {
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

int HistoryStore::schemaVersion() const
{
    QSqlQuery query(database(m_connection));
    return query.exec(QStringLiteral("PRAGMA user_version")) && query.next() ? query.value(0).toInt() : -1;
}

bool HistoryStore::migrate()
{
    const int found = schemaVersion();
    if (found < 0)
        return fail(QStringLiteral("not a history database"));
    if (found > SchemaVersion)
        return fail(QStringLiteral("the history was written by a newer version of Brainlark"));
    QSqlDatabase db = database(m_connection);
    for (int version = found; version < SchemaVersion; ++version) {
        if (!db.transaction())
            return fail(db.lastError().text());
        bool ok = true;
        for (const QString& statement : QString::fromLatin1(Migrations[version]).split(QLatin1Char(';')))
            ok = ok && exec(statement);
        ok = ok && exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        if (!ok || !db.commit()) {
            const QString error = m_error.isEmpty() ? db.lastError().text() : m_error;
            db.rollback();
            return fail(error);
        }
    }
    return true;
}

qint64 HistoryStore::listId(const QString& path, bool create)
{
    QSqlDatabase db = database(m_connection);
    if (create) {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT OR IGNORE INTO lists (path) VALUES (?)"));
        insert.addBindValue(path);
        if (!insert.exec())
            return fail(insert.lastError().text()) ? 0 : -1;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT id FROM lists WHERE path = ?"));
    query.addBindValue(path);
    if (!query.exec())
        return fail(query.lastError().text()) ? 0 : -1;
    return query.next() ? query.value(0).toLongLong() : -1;
}

bool HistoryStore::record(const AnswerRecord& answer)
{
    if (!m_open)
        return fail(m_error.isEmpty() ? QStringLiteral("the history is not open") : m_error);
    QSqlDatabase db = database(m_connection);
    if (!db.transaction())
        return fail(db.lastError().text());
    const qint64 list = listId(answer.listPath, true);
    const qint64 day = dayNumber(QDateTime::fromSecsSinceEpoch(answer.time).date());
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO answers (time, day, list_id, question, answer, mode, correct, "
                                  "seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value : {QVariant(answer.time), QVariant(day), QVariant(list), QVariant(answer.question),
                                  QVariant(answer.answer), QVariant(answer.mode), QVariant(answer.right ? 1 : 0),
                                  QVariant(answer.seconds)})
        insert.addBindValue(value);
    QSqlQuery summary(db);
    summary.prepare(QStringLiteral(
        "INSERT INTO study_days VALUES (?, ?, 1, ?, MIN(?, 60.0)) ON CONFLICT (list_id, day) DO UPDATE SET "
        "answers = answers + 1, correct = correct + excluded.correct, seconds = seconds + excluded.seconds"));
    for (const QVariant& value :
         {QVariant(list), QVariant(day), QVariant(answer.right ? 1 : 0), QVariant(answer.seconds)})
        summary.addBindValue(value);
    const bool ok = list >= 0 && insert.exec() && summary.exec();
    if (!ok || !db.commit()) {
        const QString error = !insert.lastError().text().isEmpty()    ? insert.lastError().text()
                              : !summary.lastError().text().isEmpty() ? summary.lastError().text()
                              : !m_error.isEmpty()                    ? m_error
                                                                      : db.lastError().text();
        db.rollback();
        return fail(error);
    }
    return true;
}

bool HistoryStore::renameList(const QString& oldPath, const QString& newPath)
{
    if (!m_open || oldPath == newPath)
        return m_open;
    QSqlDatabase db = database(m_connection);
    if (!db.transaction())
        return fail(db.lastError().text());
    QSqlQuery detach(db);
    detach.prepare(QStringLiteral("UPDATE lists SET path = NULL WHERE path = ?"));
    detach.addBindValue(newPath);
    QSqlQuery rename(db);
    rename.prepare(QStringLiteral("UPDATE lists SET path = ? WHERE path = ?"));
    rename.addBindValue(newPath);
    rename.addBindValue(oldPath);
    if (!detach.exec() || !rename.exec() || !db.commit()) {
        const QString error = detach.lastError().text() + rename.lastError().text();
        db.rollback();
        return fail(error.isEmpty() ? db.lastError().text() : error);
    }
    return true;
}

QVector<DayCount> HistoryStore::days(const QString& where, const QVariantList& values) const
{
    QVector<DayCount> result;
    if (!m_open)
        return result;
    QSqlQuery query(database(m_connection));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT day, SUM(answers), SUM(correct), SUM(seconds) FROM study_days WHERE ") +
                  where + QStringLiteral(" GROUP BY day ORDER BY day"));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return result;
    while (query.next())
        result.push_back({QDate::fromJulianDay(query.value(0).toLongLong()), query.value(1).toInt(),
                          query.value(2).toInt(), query.value(3).toDouble()});
    return result;
}

QVector<DayCount> HistoryStore::listDays(const QString& listPath, const QDate& from) const
{
    const qint64 first = from.isValid() ? dayNumber(from) : 0;
    return days(QStringLiteral("list_id = (SELECT id FROM lists WHERE path = ?) AND day >= ?"),
                {listPath, first});
}

QVector<DayCount> HistoryStore::allDays(const QDate& from) const
{
    return days(QStringLiteral("day >= ?"), {from.isValid() ? dayNumber(from) : 0});
}

int HistoryStore::currentStreak(const QDate& today) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(database(m_connection));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT DISTINCT day FROM study_days WHERE day <= ? ORDER BY day DESC"));
    query.addBindValue(dayNumber(today));
    if (!query.exec())
        return 0;
    int streak = 0;
    qint64 expected = dayNumber(today);
    while (query.next()) {
        const qint64 day = query.value(0).toLongLong();
        if (streak == 0 && day == expected - 1)
            expected = day; // today has no answers yet: the streak may still end yesterday
        if (day != expected)
            break;
        ++streak;
        --expected;
    }
    return streak;
}

int HistoryStore::answerCount(const QString& listPath) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(database(m_connection));
    query.prepare(QStringLiteral(
        "SELECT COALESCE(SUM(answers), 0) FROM study_days WHERE list_id = (SELECT id FROM lists WHERE path = ?)"));
    query.addBindValue(listPath);
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

} // namespace brainlark
