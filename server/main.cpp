// quarlo-server: the web services and the tournament relay of the online
// features. Runs until SIGTERM or SIGINT, then stops cleanly.
#include <csignal>
#include <cstdio>
#include <iostream>

#include "server/quarlo_server.h"

int main(int argc, char** argv) {
  using namespace quarlo::server;
  const auto parsed = ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed) {
    std::cerr << "quarlo-server: " << parsed.error() << "\n" << ServerUsage();
    return 2;
  }
  if (parsed->help) {
    std::cout << ServerUsage();
    return 0;
  }
  // Block the stop signals in every thread; the main thread waits for them.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGTERM);
  sigaddset(&stop_signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  auto server = QuarloServer::Start(parsed->options, stderr);
  if (!server) {
    std::cerr << "quarlo-server: " << server.error() << "\n";
    return 1;
  }
  int signal = 0;
  sigwait(&stop_signals, &signal);
  std::fprintf(stderr, "quarlo-server: signal %d, stopping\n", signal);
  (*server)->Stop();
  return 0;
}
