#pragma once
// A small web server on 127.0.0.1 for the tests: it serves the files it is given
// and answers 404 with a web page for anything else, on a thread of its own
// that ends when the server goes away, or after a few minutes by itself.
#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace e2e {

class LocalWebServer {
 public:
  LocalWebServer();
  ~LocalWebServer();
  LocalWebServer(const LocalWebServer&) = delete;
  LocalWebServer& operator=(const LocalWebServer&) = delete;

  bool listening() const { return listener_ != INVALID_SOCKET; }
  unsigned short port() const { return port_; }
  std::wstring address(const std::string& path) const;
  void serve(const std::string& path, const std::string& body);
  void forget(const std::string& path);
  int requests() const { return requests_; }
  // Stops listening: later connections are refused.
  void stop();

 private:
  void run();
  void answer(SOCKET client);

  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> requests_{0};
  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  std::thread thread_;
};

// A port of 127.0.0.1 on which nothing listens.
unsigned short unusedPort();

}  // namespace e2e
