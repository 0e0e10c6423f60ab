// A real quarlo-server on loopback for the tests, with a scratch database and
// data folder, plus small clients: form posts in both of the program's body
// styles and a blocking relay socket.
#pragma once

#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "server/quarlo_server.h"

namespace quarlo::server::testing {

using FieldList = std::vector<std::pair<std::string, std::string>>;

class TestServer {
 public:
  // A fresh scratch folder; options may be adjusted before Start().
  TestServer();
  ~TestServer();

  ServerOptions options;
  void Start();
  void Stop();
  void Restart() {
    Stop();
    Start();
  }

  int port() const { return server_->http_port(); }
  int table_port(int table) const { return options.tables_base_port + table; }
  const std::filesystem::path& dir() const { return dir_; }

  // A raw body, values inserted as they are.
  std::string Post(const std::string& path, const std::string& body, int* status = nullptr);
  // A field list: names and values percent-encoded, joined by "&".
  std::string PostList(const std::string& path, const FieldList& fields, int* status = nullptr);
  // A raw body sent from another loopback address (such as 127.0.0.2): a
  // second machine as far as the server can tell. The reply body, or
  // "<no reply>".
  std::string PostFrom(const std::string& local_ip, const std::string& path, const std::string& body);
  httplib::Result Get(const std::string& path);
  httplib::Client Client();

  // Helpers over the account service.
  std::string CreateAccount(const std::string& nick, const std::string& pw, const std::string& city = "Paris");

 private:
  std::filesystem::path dir_;
  std::unique_ptr<QuarloServer> server_;
};

// A blocking client of one relay table; every read waits at most `wait`.
class RelayClient {
 public:
  RelayClient(int port, std::chrono::milliseconds wait = std::chrono::milliseconds(2000));
  ~RelayClient();
  bool connected() const { return fd_ >= 0; }
  void Send(const std::string& bytes);
  // Exactly n bytes, or nothing when the socket closed or the wait ran out.
  std::optional<std::string> Receive(std::size_t n);
  // True when the server closes the socket within the wait.
  bool ClosedByServer();
  void Close();

 private:
  int fd_ = -1;
  std::chrono::milliseconds wait_;
};

// A frame as the program sends it: padded with "#", seat digit last.
std::string Frame(const std::string& text, int seat);

// A small JPEG picture made with libjpeg.
std::string MakeJpeg(int width, int height);

}  // namespace quarlo::server::testing
