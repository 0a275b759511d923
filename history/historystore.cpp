#include "history/historystore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <unistd.h>

namespace brainlark
{

namespace
{

// SQLite's primary result codes that say more than "it failed".
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteNotADatabase = 26;

const char* const CreateTables =
    "CREATE TABLE lists (id INTEGER PRIMARY KEY, path TEXT UNIQUE);"
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, list_id INTEGER NOT NULL,"
    " question TEXT NOT NULL, answer TEXT NOT NULL, mode INTEGER NOT NULL, correct INTEGER NOT NULL,"
    " seconds REAL NOT NULL)";
// The per-day summary, so that the statistics never scan the answers. Rebuilt whole, so that an upgrade
// stopped half-way can simply run again.
const char* const BuildStudyDays =
    "CREATE TABLE IF NOT EXISTS study_days (list_id INTEGER NOT NULL, day INTEGER NOT NULL,"
    " answers INTEGER NOT NULL, correct INTEGER NOT NULL, seconds REAL NOT NULL, PRIMARY KEY (list_id, day))"
    " WITHOUT ROWID;"
    "DELETE FROM study_days;"
    "INSERT INTO study_days SELECT list_id, day, COUNT(*), SUM(correct), SUM(MIN(seconds, 60.0))"
    " FROM answers GROUP BY list_id, day;"
    "CREATE INDEX IF NOT EXISTS study_days_by_day ON study_days (day)";
// Version 3: whether an answer was its question's first (older answers: NULL, not known), and each pair's
// spaced-repetition memory cached under its texts, with the last answer folded into it per list.
const char* const AddPairStates =
    "CREATE TABLE IF NOT EXISTS pair_states (list_id INTEGER NOT NULL, question TEXT NOT NULL, answer TEXT "
    "NOT NULL,"
    " difficulty REAL NOT NULL, stability REAL NOT NULL, last_day INTEGER NOT NULL, due_day INTEGER NOT NULL,"
    " reviews INTEGER NOT NULL, PRIMARY KEY (list_id, question, answer)) WITHOUT ROWID;"
    "CREATE INDEX IF NOT EXISTS pair_states_by_due ON pair_states (list_id, due_day);"
    "CREATE TABLE IF NOT EXISTS list_states (list_id INTEGER PRIMARY KEY, last_answer INTEGER NOT NULL,"
    " times TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS answers_by_list ON answers (list_id, id)";
// Version 4: whether a remembered pair is still in its list (as the list was when last opened), a
// fingerprint of the list's pairs then, and the model the memory is derived with: the weights fitted to
// this history (empty: the defaults) and the retention the cached due days were reckoned for. The due pairs
// are read from an index that holds all they need (with the key of the table), so a list's due pairs never
// look into the table itself: a lookup per pair took most of the time.
const char* const AddMemoryModel =
    "ALTER TABLE pair_states ADD COLUMN present INTEGER NOT NULL DEFAULT 1;"
    "ALTER TABLE lists ADD COLUMN pairs_hash INTEGER;"
    "CREATE TABLE IF NOT EXISTS memory_model (id INTEGER PRIMARY KEY CHECK (id = 1), weights TEXT NOT NULL,"
    " retention REAL NOT NULL);"
    "DROP INDEX IF EXISTS pair_states_by_due;"
    "CREATE INDEX IF NOT EXISTS pair_states_due ON pair_states (list_id, due_day, reviews, present, "
    "difficulty,"
    " stability, last_day)";

// Version 5: the languages a list's sides are read aloud in (NULL: never chosen, guessed from the texts).
const char* const AddLanguages = "ALTER TABLE lists ADD COLUMN question_language TEXT;"
                                 "ALTER TABLE lists ADD COLUMN answer_language TEXT";

QSqlDatabase database(const QString& connection)
{
    return QSqlDatabase::database(connection, false);
}

int primaryCode(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

bool writable(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
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

bool HistoryStore::fail(HistoryProblem problem, const QString& what)
{
    m_problem = problem;
    m_error = what;
    return false;
}

bool HistoryStore::failQuery(const QSqlError& error)
{
    const QString file = QDir::toNativeSeparators(database(m_connection).databaseName());
    switch (primaryCode(error)) {
    case SqliteBusy:
    case SqliteLocked:
        return fail(HistoryProblem::Locked,
                    QCoreApplication::translate("brainlark::HistoryStore",
                                                "the database %1 is locked by another program")
                        .arg(file));
    case SqliteReadOnly:
        return fail(HistoryProblem::ReadOnly, QCoreApplication::translate("brainlark::HistoryStore",
                                                                          "the database %1 cannot be written")
                                                  .arg(file));
    case SqliteNotADatabase:
        return fail(
            HistoryProblem::NotHistory,
            QCoreApplication::translate("brainlark::HistoryStore", "%1 is not a history database").arg(file));
    case SqliteCantOpen:
        return fail(HistoryProblem::Other,
                    QCoreApplication::translate("brainlark::HistoryStore", "the database %1 cannot be opened")
                        .arg(file));
    default:
        return fail(HistoryProblem::Other, error.text());
    }
}

bool HistoryStore::exec(const QString& sql)
{
    QSqlQuery query(database(m_connection));
    if (query.exec(sql))
        return true;
    return failQuery(query.lastError());
}

bool HistoryStore::open(const QString& path, Upgrade upgrade, const Progress& progress,
                        const std::atomic<bool>* cancel)
{
    m_open = false;
    m_problem = HistoryProblem::None;
    m_error.clear();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(HistoryProblem::Other,
                    QCoreApplication::translate("brainlark::HistoryStore",
                                                "the SQLite driver of Qt is not installed"));
    // The write-ahead log and its index live beside the database, so the folder must take new files too.
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder))
        return fail(HistoryProblem::ReadOnly,
                    QCoreApplication::translate("brainlark::HistoryStore", "the folder %1 cannot be created")
                        .arg(QDir::toNativeSeparators(folder)));
    if (!writable(folder))
        return fail(HistoryProblem::ReadOnly,
                    QCoreApplication::translate("brainlark::HistoryStore", "the folder %1 cannot be written")
                        .arg(QDir::toNativeSeparators(folder)));
    if (file.exists() && !writable(path))
        return fail(HistoryProblem::ReadOnly, QCoreApplication::translate("brainlark::HistoryStore",
                                                                          "the database %1 cannot be written")
                                                  .arg(QDir::toNativeSeparators(path)));
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? database(m_connection)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.close();
    db.setDatabaseName(path);
    // A locked database must not hold the quiz up for long.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
    if (!db.open())
        return failQuery(db.lastError());
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        failQuery(query.lastError());
        db.close();
        return false;
    }
    const int found = query.value(0).toInt();
    query.finish();
    // Only reads until here: a database of another program or of a newer version stays as it was.
    const bool usable =
        checkOwnership(found) &&
        (found >= SchemaVersion || found == 0 || upgrade == Upgrade::Run ||
         fail(HistoryProblem::NeedsUpgrade,
              QCoreApplication::translate("brainlark::HistoryStore", "the history is being upgraded"))) &&
        exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
        exec(QStringLiteral("PRAGMA synchronous=NORMAL")) && migrate(found, progress, cancel);
    if (!usable) {
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

bool HistoryStore::checkOwnership(int version)
{
    const QString file = QDir::toNativeSeparators(database(m_connection).databaseName());
    if (version > SchemaVersion)
        return fail(HistoryProblem::Newer,
                    QCoreApplication::translate("brainlark::HistoryStore",
                                                "the history was written by a newer version of Brainlark"));
    QSqlQuery query(database(m_connection));
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return failQuery(query.lastError());
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    const bool empty = version == 0 && tables.isEmpty();
    const bool ours =
        version > 0 && tables.contains(QLatin1String("lists")) && tables.contains(QLatin1String("answers"));
    if (!empty && !ours)
        return fail(
            HistoryProblem::NotHistory,
            QCoreApplication::translate("brainlark::HistoryStore",
                                        "%1 is not a history database (it holds tables of another program)")
                .arg(file));
    return true;
}

int HistoryStore::schemaVersion() const
{
    QSqlQuery query(database(m_connection));
    return query.exec(QStringLiteral("PRAGMA user_version")) && query.next() ? query.value(0).toInt() : -1;
}

bool HistoryStore::migrate(int found, const Progress& progress, const std::atomic<bool>* cancel)
{
    QSqlDatabase db = database(m_connection);
    const auto inTransaction = [&](const QString& statements) {
        if (!db.transaction())
            return failQuery(db.lastError());
        bool ok = true;
        for (const QString& statement : statements.split(QLatin1Char(';')))
            ok = ok && exec(statement);
        if (!ok || !db.commit()) {
            const QSqlError error = db.lastError();
            db.rollback();
            return ok ? failQuery(error) : false;
        }
        return true;
    };
    if (found < 1 &&
        !inTransaction(QString::fromLatin1(CreateTables) + QStringLiteral(";PRAGMA user_version = 1")))
        return false;
    if (found < 2) {
        // Version 2: the local day of each answer, and the per-day summary. A long history is filled in
        // small transactions with the log emptied after each, so it never grows to the history's size.
        if (!hasColumn(QStringLiteral("day")) &&
            !inTransaction(QStringLiteral("ALTER TABLE answers ADD COLUMN day INTEGER")))
            return false;
        if (!fillAnswerDays(progress, cancel))
            return false;
        if (!inTransaction(QString::fromLatin1(BuildStudyDays) + QStringLiteral(";PRAGMA user_version = 2")))
            return false;
        exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    if (found < 3) {
        if (!hasColumn(QStringLiteral("first")) &&
            !inTransaction(QStringLiteral("ALTER TABLE answers ADD COLUMN first INTEGER")))
            return false;
        if (!inTransaction(QString::fromLatin1(AddPairStates) + QStringLiteral(";PRAGMA user_version = 3")))
            return false;
        exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    if (found < 4 &&
        !inTransaction(QString::fromLatin1(AddMemoryModel) + QStringLiteral(";PRAGMA user_version = 4")))
        return false;
    if (found < 5 &&
        !inTransaction(QString::fromLatin1(AddLanguages) + QStringLiteral(";PRAGMA user_version = 5")))
        return false;
    if (progress && found < SchemaVersion)
        progress(1.0);
    return true;
}

bool HistoryStore::hasColumn(const QString& column)
{
    QSqlQuery columns(database(m_connection));
    bool found = false;
    if (columns.exec(QStringLiteral("PRAGMA table_info(answers)")))
        while (columns.next())
            found = found || columns.value(1).toString() == column;
    return found;
}

bool HistoryStore::fillAnswerDays(const Progress& progress, const std::atomic<bool>* cancel)
{
    QSqlDatabase db = database(m_connection);
    QSqlQuery range(db);
    if (!range.exec(QStringLiteral("SELECT MIN(id), MAX(id) FROM answers WHERE day IS NULL")) ||
        !range.next())
        return failQuery(range.lastError());
    if (range.value(0).isNull())
        return true;
    const qint64 first = range.value(0).toLongLong();
    const qint64 last = range.value(1).toLongLong();
    range.finish();
    QSqlQuery update(db);
    update.prepare(QStringLiteral(
        "UPDATE answers SET day = CAST(julianday(date(time, 'unixepoch', 'localtime')) + 0.5 AS INTEGER) "
        "WHERE id >= ? AND id < ? AND day IS NULL"));
    for (qint64 start = first; start <= last; start += UpgradeBatch) {
        if (cancel && cancel->load())
            return fail(HistoryProblem::NeedsUpgrade,
                        QCoreApplication::translate("brainlark::HistoryStore",
                                                    "the upgrade of the history was stopped"));
        if (progress)
            progress(double(start - first) / double(last - first + 1));
        update.addBindValue(start);
        update.addBindValue(start + UpgradeBatch);
        if (!db.transaction())
            return failQuery(db.lastError());
        if (!update.exec() || !db.commit()) {
            const QSqlError error = update.lastError().isValid() ? update.lastError() : db.lastError();
            db.rollback();
            return failQuery(error);
        }
        exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
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
            return failQuery(insert.lastError()) ? 0 : -1;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT id FROM lists WHERE path = ?"));
    query.addBindValue(path);
    if (!query.exec())
        return failQuery(query.lastError()) ? 0 : -1;
    return query.next() ? query.value(0).toLongLong() : -1;
}

std::optional<std::pair<QString, QString>> HistoryStore::listLanguages(const QString& listPath) const
{
    if (!m_open || listPath.isEmpty())
        return std::nullopt;
    QSqlQuery query(database(m_connection));
    query.prepare(QStringLiteral("SELECT question_language, answer_language FROM lists WHERE path = ?"));
    query.addBindValue(listPath);
    if (!query.exec() || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return std::make_pair(query.value(0).toString(), query.value(1).toString());
}

bool HistoryStore::setListLanguages(const QString& listPath, const QString& question, const QString& answer)
{
    if (!m_open || listPath.isEmpty())
        return false;
    const qint64 list = listId(listPath, true);
    if (list < 0)
        return false;
    QSqlQuery update(database(m_connection));
    update.prepare(
        QStringLiteral("UPDATE lists SET question_language = ?, answer_language = ? WHERE id = ?"));
    // Stored as empty texts rather than NULL: the system's language is a choice too.
    update.addBindValue(question.isNull() ? QStringLiteral("") : question);
    update.addBindValue(answer.isNull() ? QStringLiteral("") : answer);
    update.addBindValue(list);
    return update.exec() || failQuery(update.lastError());
}

bool HistoryStore::insert(const AnswerRecord& answer)
{
    QSqlDatabase db = database(m_connection);
    const qint64 list = listId(answer.listPath, true);
    if (list < 0)
        return false;
    const qint64 day = dayNumber(QDateTime::fromSecsSinceEpoch(answer.time).date());
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO answers (time, day, list_id, question, answer, mode, correct, "
                                  "seconds, first) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(answer.time), QVariant(day), QVariant(list), QVariant(answer.question),
          QVariant(answer.answer), QVariant(answer.mode), QVariant(answer.right ? 1 : 0),
          QVariant(answer.seconds), QVariant(answer.firstTry ? 1 : 0)})
        insert.addBindValue(value);
    if (!insert.exec())
        return failQuery(insert.lastError());
    const double studied = answer.studySeconds < 0 ? answer.seconds : answer.studySeconds;
    QSqlQuery summary(db);
    summary.prepare(QStringLiteral(
        "INSERT INTO study_days VALUES (?, ?, 1, ?, MIN(?, 60.0)) ON CONFLICT (list_id, day) DO UPDATE SET "
        "answers = answers + 1, correct = correct + excluded.correct, seconds = seconds + excluded.seconds"));
    for (const QVariant& value :
         {QVariant(list), QVariant(day), QVariant(answer.right ? 1 : 0), QVariant(std::max(0.0, studied))})
        summary.addBindValue(value);
    return summary.exec() || failQuery(summary.lastError());
}

bool HistoryStore::record(const AnswerRecord& answer)
{
    return recordAll({answer});
}

bool HistoryStore::recordAll(const QVector<AnswerRecord>& answers)
{
    if (!m_open)
        return m_error.isEmpty()
                   ? fail(HistoryProblem::Other,
                          QCoreApplication::translate("brainlark::HistoryStore", "the history is not open"))
                   : false;
    QSqlDatabase db = database(m_connection);
    if (!db.transaction())
        return failQuery(db.lastError());
    bool ok = true;
    for (const AnswerRecord& answer : answers)
        ok = ok && insert(answer);
    if (!ok || !db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        return ok ? failQuery(error) : false;
    }
    return true;
}

bool HistoryStore::renameList(const QString& oldPath, const QString& newPath)
{
    if (!m_open || oldPath == newPath)
        return m_open;
    QSqlDatabase db = database(m_connection);
    if (!db.transaction())
        return failQuery(db.lastError());
    QSqlQuery detach(db);
    detach.prepare(QStringLiteral("UPDATE lists SET path = NULL WHERE path = ?"));
    detach.addBindValue(newPath);
    QSqlQuery rename(db);
    rename.prepare(QStringLiteral("UPDATE lists SET path = ? WHERE path = ?"));
    rename.addBindValue(newPath);
    rename.addBindValue(oldPath);
    if (!detach.exec() || !rename.exec() || !db.commit()) {
        const QSqlError error = detach.lastError().isValid()   ? detach.lastError()
                                : rename.lastError().isValid() ? rename.lastError()
                                                               : db.lastError();
        db.rollback();
        return failQuery(error);
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
    query.prepare(
        QStringLiteral("SELECT day, SUM(answers), SUM(correct), SUM(seconds) FROM study_days WHERE ") +
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

QHash<QString, qint64> HistoryStore::dueDays(const QString& listPath, qint64 before) const
{
    QHash<QString, qint64> due;
    if (!m_open)
        return due;
    QSqlQuery query(database(m_connection));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT question, answer, due_day FROM pair_states WHERE list_id = (SELECT id FROM "
                       "lists WHERE path = ?) AND due_day < ? AND reviews > 0"));
    query.addBindValue(listPath);
    query.addBindValue(before);
    if (!query.exec())
        return due;
    while (query.next())
        due.insert(query.value(0).toString() + QLatin1Char('\n') + query.value(1).toString(),
                   query.value(2).toLongLong());
    return due;
}

QHash<QString, DueCount> HistoryStore::dueCounts(const QDate& today) const
{
    QHash<QString, DueCount> counts;
    if (!m_open)
        return counts;
    const qint64 day = dayNumber(today);
    QSqlQuery query(database(m_connection));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT l.path, SUM(s.due_day <= ?), COUNT(*) FROM pair_states s JOIN lists l ON "
                       "l.id = s.list_id WHERE l.path IS NOT NULL AND s.due_day < ? AND s.reviews > 0 AND "
                       "s.present = 1 GROUP BY l.id"));
    query.addBindValue(day);
    query.addBindValue(day + 7);
    if (!query.exec())
        return counts;
    while (query.next())
        counts.insert(query.value(0).toString(), {query.value(1).toInt(), query.value(2).toInt()});
    return counts;
}

QStringList HistoryStore::listsBehind() const
{
    QStringList lists;
    if (!m_open)
        return lists;
    QSqlQuery query(database(m_connection));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT l.path FROM lists l LEFT JOIN list_states s ON s.list_id = l.id WHERE "
            "l.path IS NOT NULL AND (SELECT MAX(a.id) FROM answers a WHERE a.list_id = l.id) > "
            "COALESCE(s.last_answer, 0)")))
        return lists;
    while (query.next())
        lists << query.value(0).toString();
    return lists;
}

QVector<WeekCount> HistoryStore::reviewWeeks(const QString& listPath, const QDate& from) const
{
    QVector<WeekCount> weeks;
    if (!m_open)
        return weeks;
    // Julian day 0 was a Monday.
    QSqlQuery query(database(m_connection));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT day - day % 7 AS week, COUNT(*), SUM(correct) FROM answers WHERE list_id = "
                       "(SELECT id FROM lists WHERE path = ?) AND day >= ? AND first = 1 "
                       "GROUP BY week ORDER BY week"));
    query.addBindValue(listPath);
    query.addBindValue(from.isValid() ? dayNumber(from) : 0);
    if (!query.exec())
        return weeks;
    while (query.next())
        weeks.push_back({QDate::fromJulianDay(query.value(0).toLongLong()), query.value(1).toInt(),
                         query.value(2).toInt()});
    return weeks;
}

int HistoryStore::answerCount(const QString& listPath) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(database(m_connection));
    query.prepare(QStringLiteral("SELECT COALESCE(SUM(answers), 0) FROM study_days WHERE list_id = (SELECT "
                                 "id FROM lists WHERE path = ?)"));
    query.addBindValue(listPath);
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

} // namespace brainlark
