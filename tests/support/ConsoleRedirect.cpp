#include "ConsoleRedirect.h"

#include <fcntl.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

std::filesystem::path uniqueFile(const char* stem) {
  static int counter = 0;
  return std::filesystem::temp_directory_path() /
         (std::string(stem) + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
}

void flushAll() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
}

int redirect(int fd, const std::filesystem::path& file, int flags) {
  const int saved = dup(fd);
  const int target = ::open(file.c_str(), flags, 0600);
  if (saved < 0 || target < 0) throw std::runtime_error("cannot redirect fd " + std::to_string(fd));
  dup2(target, fd);
  close(target);
  return saved;
}

void restore(int fd, int saved) {
  dup2(saved, fd);
  close(saved);
}

}  // namespace

OutputCapture::OutputCapture(int fd) : fd_(fd), file_(uniqueFile("capture")) {
  flushAll();
  savedFd_ = redirect(fd, file_, O_WRONLY | O_CREAT | O_TRUNC);
}

OutputCapture::~OutputCapture() {
  flushAll();
  restore(fd_, savedFd_);
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

std::string OutputCapture::text() const {
  flushAll();
  std::ifstream in(file_, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

StdinFeed::StdinFeed(const std::string& input) : file_(uniqueFile("stdin")) {
  std::ofstream(file_, std::ios::binary) << input;
  savedFd_ = redirect(0, file_, O_RDONLY);
  // Nothing read ahead from the previous input may reach the new reader.
  __fpurge(stdin);
  clearerr(stdin);
  std::cin.clear();
}

StdinFeed::~StdinFeed() {
  restore(0, savedFd_);
  __fpurge(stdin);
  clearerr(stdin);
  std::cin.clear();
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

}  // namespace testsupport
