#include "findaro/search/search_arguments.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "common/text.h"
#include "findaro/state/finder.h"

namespace findaro {

const CategoryLists& categoryListTable() {
  static const CategoryLists lists = {
      {"audio:", std::string("ext:aac;ac3;aif;aifc;aiff;au;cda;dts;fla;flac;it;m1a;m2a;m3u;m4a;m4b;") +
                     "m4p;mid;midi;mka;mod;mp2;mp3;mpa;ogg;ra;rmi;snd;spc;umx;voc;wav;wma;xm"},
      {"zip:", std::string("ext:7z;ace;arj;bz2;cab;gz;gzip;jar;r00;r01;r02;r03;r04;r05;r06;r07;r08;") +
                   "r09;r10;r11;r12;r13;r14;r15;r16;r17;r18;r19;r20;r21;r22;r23;r24;r25;r26;r27;" +
                   "r28;r29;rar;tar;tgz;z;zip"},
      {"doc:", std::string("ext:c;chm;cpp;csv;cxx;doc;docm;docx;dot;dotm;dotx;h;hpp;htm;html;") +
                   "hxx;ini;java;lua;mht;mhtml;odt;pdf;potx;potm;ppam;ppsm;ppsx;pps;ppt;pptm;" +
                   "pptx;rtf;sldm;sldx;thmx;txt;vsd;wpd;wps;wri;xlam;xls;xlsb;xlsm;xlsx;xltm;xltx;xml"},
      {"exe:", "ext:bat;cmd;exe;msi;msp;scr"},
      {"pic:", "ext:ani;bmp;gif;ico;jpe;jpeg;jpg;pcx;png;psd;tga;tif;tiff;webp;wmf"},
      {"video:", std::string("ext:3g2;3gp;3gp2;3gpp;amr;amv;asf;avi;bdmv;bik;d2v;divx;drc;dsa;dsm;dss;") +
                     "dsv;evo;f4v;flc;fli;flic;flv;hdmov;ifo;ivf;m1v;m2p;m2t;m2ts;m2v;m4v;mkv;" +
                     "mp2v;mp4;mp4v;mpe;mpeg;mpg;mpls;mpv2;mpv4;mov;mts;ogm;ogv;pss;pva;qt;ram;" +
                     "ratdvd;rm;rmm;rmvb;roq;rpm;smil;smk;swf;tp;tpr;ts;vob;vp6;webm;wm;wmp;wmv"},
  };
  return lists;
}

void buildCategoryLists(Finder& finder) { finder.categoryLists = categoryListTable(); }

bool isAllowedSearchTerm(const std::string& term, Locale& locale) {
  static const std::string allowed =
      "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ !%*()-_=+\\|:./?\"";
  size_t i = 0;
  while (i < term.size()) {
    unsigned char lead = static_cast<unsigned char>(term[i]);
    if (lead < 0x80) {
      if (allowed.find(static_cast<char>(lead)) == std::string::npos) return false;
      ++i;
      continue;
    }
    // One character outside ASCII: its lead byte says how many bytes it takes.
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > term.size()) return false;
    std::string character = term.substr(i, length);
    if (!common::isValidUtf8(character) || !locale.isLetterOrDigit(character)) return false;
    i += length;
  }
  return true;
}

bool isValidSearchTerm(Finder& finder) {
  if (isAllowedSearchTerm(finder.settings.SearchTerm, finder.locale)) return true;
  finder.searchBox.postSelectAll();
  finder.searchBox.focus();
  return false;
}

std::string searchAnnouncement(int searchType) {
  switch (searchType) {
    case 1: return "Searching for files matching ";
    case 2: return "Searching for folders matching ";
    case 3: return "Searching for files and folders matching ";
    default: return "Custom Search";
  }
}

std::string typeOptions(int searchType) {
  switch (searchType) {
    case 1: return " -size -size-format 2 -dm /a-d ";
    case 2: return " -size -size-format 2 -dm /ad ";
    case 3: return " -size -size-format 2 -dm ";
    default: return "";
  }
}

std::string sortOption(int sortType) { return sortType != 0 ? " -sort dm " : " -sort name "; }

std::string countOption(int maxResults) { return maxResults == 0 ? "" : " -n" + common::formatNumber(maxResults); }

std::string buildExclusionText(Finder& finder) {
  if (finder.settings.ExcludeSystemFolders == 0) return "";
  if (!finder.files.fileExists("exclusion.txt")) return " !c:\\windows\\ !c:\\$recycle.bin\\ ";
  std::string text = finder.files.readFile("exclusion.txt").value_or("");
  if (!common::isValidUtf8(text)) text = finder.locale.ansiToUtf8(text);
  // One folder a line, whatever the editor ended the lines with.
  std::string exclusions;
  for (const std::string& piece : common::splitLines(text)) exclusions += " !" + quoteQueryPiece(piece);
  return exclusions;
}

std::string engineInstanceFor(Finder& finder) {
  const std::string& setting = finder.settings.EngineInstance;
  // An instance named outright needs no look at the windows.
  if (!common::trimBlanks(setting).empty()) return chooseEngineInstance(setting, {});
  return chooseEngineInstance(setting, finder.processes.windowClassesStartingWith(kEngineWindowClass));
}

std::string quoteQueryPiece(const std::string& piece) {
  std::string out;
  out.reserve(piece.size() + 8);
  bool quoted = false;
  size_t backslashes = 0;  // waiting: what they become depends on what follows
  size_t doubledBeforeOpening = 0;  // the backslashes doubled before the last opening quote
  for (size_t i = 0; i < piece.size();) {
    char c = piece[i];
    if (c == '\\') {
      ++backslashes;
      ++i;
      continue;
    }
    if (c == '"') {
      size_t run = 0;
      for (; i < piece.size() && piece[i] == '"'; ++i) ++run;
      // An even run groups nothing; two quotes side by side would also be read
      // as a quote character, so none is written and the backslashes wait on.
      if (run % 2 == 0) continue;
      out.append(2 * backslashes, '\\');
      doubledBeforeOpening = backslashes;
      backslashes = 0;
      out += '"';
      quoted = !quoted;
      continue;
    }
    out.append(backslashes, '\\');
    backslashes = 0;
    // No control character is part of a name, and a line break would part the query.
    out += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? ' ' : c;
    ++i;
  }
  if (quoted && backslashes == 0 && out.back() == '"') {
    // A quote opened on nothing: closed, it would make an empty argument. Without
    // it, the backslashes before it stand for themselves again.
    out.resize(out.size() - 1 - doubledBeforeOpening);
  } else if (quoted) {
    // Before the closing quote the backslashes would escape it.
    out.append(2 * backslashes, '\\');
    out += '"';
  } else {
    out.append(backslashes, '\\');
  }
  return out;
}

std::string quoteArgument(const std::string& text) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; };
  bool plain = std::none_of(text.begin(), text.end(), isControl);
  if (!text.empty() && plain && text.find_first_of(" \t\"") == std::string::npos) return text;
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : text) {
    // A NUL would end the command line; no control character belongs in a name.
    if (isControl(c)) c = ' ';
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, '\\');
  return out + '"';
}

std::string expandCategories(const std::string& arguments, const CategoryLists& lists) {
  std::string out = arguments;
  for (const auto& [prefix, list] : lists) out = common::replaceAll(out, prefix, list);
  return out;
}

std::string chooseEngineInstance(const std::string& setting, const std::vector<std::string>& windowClasses) {
  std::string named = common::trimBlanks(setting);
  if (!named.empty()) return named;
  const std::string usual = common::asciiLower(kEngineWindowClass);
  const std::string instancePrefix = usual + "_(";
  std::string found;
  for (const std::string& windowClass : windowClasses) {
    // Window classes are named without regard to case.
    std::string lower = common::asciiLower(windowClass);
    if (lower == usual) return "";
    bool instance = lower.size() > instancePrefix.size() + 1 && common::startsWith(lower, instancePrefix) &&
                    lower.back() == ')';
    if (instance && found.empty())
      found = windowClass.substr(instancePrefix.size(), windowClass.size() - instancePrefix.size() - 1);
  }
  return found;
}

std::string instanceOption(const std::string& instance) {
  return instance.empty() ? "" : " -instance " + quoteArgument(instance);
}

// Every piece after the first starts with a blank, so no piece's backslashes
// ever stand before the next piece's quote.
std::string engineArgumentsFor(int searchType, const std::string& exclusions, int sortType, int maxResults,
                               const std::string& term, const CategoryLists& lists, const std::string& instance) {
  std::string arguments;
  if (searchType == 4)
    arguments = " -export-csv results.txt " + quoteQueryPiece(term);
  else
    arguments = exclusions + typeOptions(searchType) + sortOption(sortType) + countOption(maxResults) +
                " -export-csv results.txt " + quoteQueryPiece(term);
  // An instance's name is a name, not a query: "pic:" in it stays as it is.
  return instanceOption(instance) + expandCategories(arguments, lists);
}

std::string formatTenths(double seconds) {
  long long tenths = std::llround(seconds * 10);
  long long whole = tenths / 10;
  std::string out = whole != 0 ? std::to_string(whole) : std::string();
  out += '.';
  out += static_cast<char>('0' + std::llabs(tenths % 10));
  return out;
}

std::string formatCount(long long count) { return common::groupThousands(count); }

}  // namespace findaro
