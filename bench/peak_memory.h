// Peak resident memory of the process (MiB), from the kernel's high-water mark.
#pragma once
#include <fstream>
#include <string>

inline double peakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      double kib = 0;
      status >> kib;
      return kib / 1024.0;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0.0;
}
