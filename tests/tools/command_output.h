// What a shell command prints on its standard output (the tests run the independent readers this
// way).
#pragma once
#include <array>
#include <cstdio>
#include <string>

inline std::string commandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer;
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  pclose(pipe);
  return output;
}
