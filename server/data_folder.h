// The data folder of the server: the files it serves as they are.
//
//   news.html                  the news page (with "QovNews" and five digits)
//   musik/_playlist.html       the playlist; the songs sit beside it
//   downloads/                 pack files, served under /downloads/progr/cards/
//
// Missing pieces are created on start (an empty playlist and a news page with
// number 00000), so a fresh server answers every address.
#pragma once

#include <string>

#include "records/result.h"

namespace quarlo::server {

Status PrepareDataFolder(const std::string& dir);

}  // namespace quarlo::server
