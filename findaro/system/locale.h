#pragma once
// What depends on the user's language and code page: conversion of 8-bit text,
// case, and which characters count as letters.
#include <string>

#include "findaro/records/date_key.h"

namespace findaro {

class Locale {
 public:
  virtual ~Locale() = default;

  // Text in the system's ANSI code page, as UTF-8.
  virtual std::string ansiToUtf8(const std::string& bytes) = 0;
  // Lower-casing as the system does it, for any letter.
  virtual std::string lowerCase(const std::string& text) = 0;
  // For one character, given as UTF-8.
  virtual bool isUpperCase(const std::string& character) = 0;
  virtual bool isLetterOrDigit(const std::string& character) = 0;
  // The user's short-date and time forms, which the search client writes dates in.
  virtual DateFormat dateFormat() = 0;
};

}  // namespace findaro
