#include "server/schema.h"

namespace quarlo::server {

const std::vector<const char*>& SchemaSteps() {
  static const std::vector<const char*> steps = {
      // 1: accounts with their profile card and game record, photos, the
      // world score tables (chat included), statistics, tournament records.
      R"sql(
        CREATE TABLE accounts (
          nick TEXT PRIMARY KEY COLLATE NOCASE,
          pw_hash TEXT NOT NULL,
          city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL,
          sex TEXT NOT NULL, email TEXT NOT NULL, dater TEXT NOT NULL,
          r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL,
          r04 INTEGER NOT NULL, r05 INTEGER NOT NULL, r06 INTEGER NOT NULL,
          created INTEGER NOT NULL,
          name1 TEXT NOT NULL DEFAULT '', name2 TEXT NOT NULL DEFAULT '',
          about TEXT NOT NULL DEFAULT '', telephone TEXT NOT NULL DEFAULT '',
          emailo TEXT NOT NULL DEFAULT '', website TEXT NOT NULL DEFAULT '',
          skype TEXT NOT NULL DEFAULT '', ok TEXT NOT NULL DEFAULT '',
          vk TEXT NOT NULL DEFAULT '', telegram TEXT NOT NULL DEFAULT '',
          facebook TEXT NOT NULL DEFAULT '', twitter TEXT NOT NULL DEFAULT '',
          instagramm TEXT NOT NULL DEFAULT '', youtube TEXT NOT NULL DEFAULT '',
          kon INTEGER NOT NULL DEFAULT 0, best INTEGER NOT NULL DEFAULT 0,
          rating REAL NOT NULL DEFAULT 0, ses INTEGER NOT NULL DEFAULT 0,
          konl INTEGER NOT NULL DEFAULT 0, score INTEGER NOT NULL DEFAULT 0,
          gr1 INTEGER NOT NULL DEFAULT 0, gr2 TEXT NOT NULL DEFAULT '#'
        );
        CREATE INDEX accounts_by_rating ON accounts(rating DESC) WHERE kon > 0;
        CREATE TABLE photos (
          nick TEXT PRIMARY KEY COLLATE NOCASE,
          jpeg BLOB NOT NULL
        );
        CREATE TABLE scores (
          id INTEGER PRIMARY KEY,
          gid INTEGER NOT NULL, score INTEGER NOT NULL,
          nick TEXT NOT NULL, country TEXT NOT NULL, city TEXT NOT NULL,
          r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL, r10 TEXT NOT NULL,
          created INTEGER NOT NULL
        );
        CREATE INDEX scores_by_place ON scores(gid, score DESC, id);
        CREATE TABLE statistics (
          gid INTEGER PRIMARY KEY,
          stat1 INTEGER NOT NULL DEFAULT 0, stat2 INTEGER NOT NULL DEFAULT 0,
          stat3 INTEGER NOT NULL DEFAULT 0, stat4 TEXT NOT NULL DEFAULT '#',
          r1 INTEGER NOT NULL DEFAULT 0, r2 INTEGER NOT NULL DEFAULT 0,
          r3 INTEGER NOT NULL DEFAULT 0, r4 INTEGER NOT NULL DEFAULT 0,
          r5 INTEGER NOT NULL DEFAULT 0, r6 INTEGER NOT NULL DEFAULT 0,
          r7 INTEGER NOT NULL DEFAULT 0, r8 INTEGER NOT NULL DEFAULT 0,
          r9 INTEGER NOT NULL DEFAULT 0, r10 INTEGER NOT NULL DEFAULT 0,
          r11 INTEGER NOT NULL DEFAULT 0, r12 INTEGER NOT NULL DEFAULT 0,
          staty INTEGER NOT NULL DEFAULT 0, statz TEXT NOT NULL DEFAULT '#'
        );
        CREATE TABLE tournament (
          nick TEXT PRIMARY KEY COLLATE NOCASE,
          score INTEGER NOT NULL DEFAULT 0,
          kon INTEGER NOT NULL DEFAULT 0,
          rating INTEGER NOT NULL DEFAULT 0
        );
      )sql",
  };
  return steps;
}

}  // namespace quarlo::server
