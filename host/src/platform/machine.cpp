#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <climits>
#include <memory>

#include "platform.h"

namespace platform {
namespace {

std::string textOf(const in_addr& a) {
  char buf[INET_ADDRSTRLEN];
  return ::inet_ntop(AF_INET, &a, buf, sizeof buf) ? std::string(buf) : std::string();
}

bool isLoopback(const in_addr& a) { return (ntohl(a.s_addr) >> 24) == 127; }

}  // namespace

std::string hostName() {
  char buf[HOST_NAME_MAX + 1] = {};
  if (::gethostname(buf, sizeof buf - 1) != 0) return "localhost";
  return buf;
}

std::string ipv4Address() {
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) == 0) {
    std::unique_ptr<ifaddrs, void (*)(ifaddrs*)> owner(list, &::freeifaddrs);
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
      if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
      if (!(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
      const in_addr& a = reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr;
      if (!isLoopback(a)) return textOf(a);
    }
  }
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (::getaddrinfo(hostName().c_str(), nullptr, &hints, &found) == 0) {
    std::unique_ptr<addrinfo, void (*)(addrinfo*)> owner(found, &::freeaddrinfo);
    for (const addrinfo* i = found; i; i = i->ai_next) {
      const in_addr& a = reinterpret_cast<const sockaddr_in*>(i->ai_addr)->sin_addr;
      if (!isLoopback(a)) return textOf(a);
    }
  }
  return "127.0.0.1";
}

}  // namespace platform
