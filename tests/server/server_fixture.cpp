#include "server_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <stdexcept>

#include <jpeglib.h>

#include "server/relay_frames.h"

namespace quarlo::server::testing {

namespace {

std::string Encode(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace

TestServer::TestServer() {
  std::random_device device;
  dir_ = std::filesystem::temp_directory_path() / ("quarlo-server-test-" + std::to_string(device()));
  std::filesystem::create_directories(dir_);
  options.host = "127.0.0.1";
  options.port = 0;
  options.db_path = (dir_ / "test.sqlite").string();
  options.data_dir = (dir_ / "data").string();
  options.rate_limit = 0;
  options.threads = 4;
  options.quiet = true;
}

TestServer::~TestServer() {
  Stop();
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

void TestServer::Start() {
  // Ten consecutive table ports: try a few random bases until all bind.
  std::random_device device;
  std::string last_error;
  for (int attempt = 0; attempt < 20; ++attempt) {
    options.tables_base_port = 20000 + static_cast<int>(device() % 30000);
    auto started = QuarloServer::Start(options, nullptr, PasswordHasher::Cost{1, 8192});
    if (started) {
      server_ = std::move(*started);
      return;
    }
    last_error = started.error();
  }
  throw std::runtime_error("cannot start the server: " + last_error);
}

void TestServer::Stop() {
  if (server_) server_->Stop();
  server_.reset();
}

httplib::Client TestServer::Client() {
  httplib::Client client("127.0.0.1", port());
  client.set_read_timeout(5);
  return client;
}

std::string TestServer::Post(const std::string& path, const std::string& body, int* status) {
  auto client = Client();
  auto res = client.Post(path.c_str(), body, "application/x-www-form-urlencoded");
  if (status) *status = res ? res->status : -1;
  return res ? res->body : std::string("<no reply>");
}

std::string TestServer::PostList(const std::string& path, const FieldList& fields, int* status) {
  std::string body;
  for (const auto& [name, value] : fields) {
    if (!body.empty()) body += '&';
    body += Encode(name) + "=" + Encode(value);
  }
  return Post(path, body, status);
}

std::string TestServer::PostFrom(const std::string& local_ip, const std::string& path, const std::string& body) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in local{}, remote{};
  local.sin_family = remote.sin_family = AF_INET;
  inet_pton(AF_INET, local_ip.c_str(), &local.sin_addr);
  inet_pton(AF_INET, "127.0.0.1", &remote.sin_addr);
  remote.sin_port = htons(static_cast<uint16_t>(port()));
  timeval wait{5, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  std::string reply;
  if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0 &&
      connect(fd, reinterpret_cast<sockaddr*>(&remote), sizeof remote) == 0) {
    const std::string request = "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                                "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                                std::to_string(body.size()) + "\r\n\r\n" + body;
    [[maybe_unused]] const auto sent = send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    char buffer[1024];
    for (ssize_t got; (got = recv(fd, buffer, sizeof buffer, 0)) > 0;) reply.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  const auto body_at = reply.find("\r\n\r\n");
  return body_at == std::string::npos ? std::string("<no reply>") : reply.substr(body_at + 4);
}

httplib::Result TestServer::Get(const std::string& path) { return Client().Get(path.c_str()); }

std::string TestServer::CreateAccount(const std::string& nick, const std::string& pw, const std::string& city) {
  return Post("/account", "nick=" + nick + "&pw=" + pw + "&city=" + city +
                              "&country1=France&country2=1-015&sex=M&email=" + nick +
                              "@mail.org&dater=01.02.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0");
}

RelayClient::RelayClient(int port, std::chrono::milliseconds wait) : wait_(wait) {
  fd_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port));
  inet_pton(AF_INET, "127.0.0.1", &addr.sin_addr);
  if (connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd_);
    fd_ = -1;
    return;
  }
  const int on = 1;
  setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

RelayClient::~RelayClient() { Close(); }

void RelayClient::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

void RelayClient::Send(const std::string& bytes) {
  if (fd_ >= 0) [[maybe_unused]] auto sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

std::optional<std::string> RelayClient::Receive(std::size_t n) {
  std::string out;
  const auto deadline = std::chrono::steady_clock::now() + wait_;
  while (fd_ >= 0 && out.size() < n) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
    char buffer[256];
    const ssize_t got = recv(fd_, buffer, std::min(sizeof buffer, n - out.size()), 0);
    if (got <= 0) return std::nullopt;
    out.append(buffer, static_cast<std::size_t>(got));
  }
  if (out.size() < n) return std::nullopt;
  return out;
}

bool RelayClient::ClosedByServer() {
  const auto deadline = std::chrono::steady_clock::now() + wait_;
  while (fd_ >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[256];
    const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
    if (got <= 0) return true;
  }
  return true;
}

std::string Frame(const std::string& text, int seat) { return MakeFrame(text, seat); }

std::string MakeJpeg(int width, int height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < width; ++x) {
      row[3 * x] = static_cast<unsigned char>(x * 7);
      row[3 * x + 1] = static_cast<unsigned char>(info.next_scanline * 5);
      row[3 * x + 2] = 128;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::string jpeg(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return jpeg;
}

}  // namespace quarlo::server::testing
