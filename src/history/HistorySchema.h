#pragma once

#include <QSqlDatabase>
#include <QSqlError>

#include <optional>

// The schema version this build writes; a database's version is kept in
// PRAGMA user_version (0 for a database never set up).
int LatestHistoryVersion();

// Brings the database up to LatestHistoryVersion() inside one write
// transaction, so two copies of the game starting at once migrate it once.
// A database from a newer build is left as it is. Returns the failure, if any.
std::optional<QSqlError> MigrateHistory(QSqlDatabase& db);
