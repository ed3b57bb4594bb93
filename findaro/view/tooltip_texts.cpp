#include "findaro/view/tooltip_texts.h"

#include "common/text.h"

namespace findaro {
namespace {

constexpr int kPageButton = 518;

struct Tip {
  int command;
  const char* text;
};

constexpr Tip kTips[] = {
    {510, " Copy File "},      {509, " Color "},         {505, " Search Files "},
    {506, " Search Folders "}, {507, " Search Both "},   {508, " Search Custom "},
    {511, " Open Name "},      {512, " Open Folder "},   {513, " Expand Folder "},
    {516, " Print Result List "}, {561, " Preview Images "}, {515, " Help "},
    {517, " Exit "},
};

}  // namespace

std::string toolbarTooltipText(int command) {
  for (const Tip& tip : kTips)
    if (tip.command == command) return tip.text;
  return "";
}

std::string toolbarButtonName(int command) {
  if (command == kPageButton) return "Next Menu";
  return common::trimBlanks(toolbarTooltipText(command));
}

}  // namespace findaro
