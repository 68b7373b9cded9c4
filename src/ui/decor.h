#pragma once
// Pictures and ornaments: images, bevels and the scrolling banner.
#include <string>

#include "text/line_list.h"
#include "ui/control.h"

namespace kmpx::ui {

// A picture, named by its resource; a click runs onClick.
class Image : public Control {
 public:
  explicit Image(std::string name, std::string picture = {}) : Control("TImage", std::move(name)) {
    SetPicture(std::move(picture));
  }
  const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) { SetAndNotify(picture_, std::move(picture), Property::Picture); }

 private:
  std::string picture_;
};

class Bevel : public Control {
 public:
  explicit Bevel(std::string name) : Control("TBevel", std::move(name)) {}
};

// Lines of text scrolling upwards while running.
class Banner : public Control {
 public:
  explicit Banner(std::string name) : Control("TBanner", std::move(name)) {}
  const LineList& Lines() const { return lines_; }
  void SetLines(LineList lines) { SetAndNotify(lines_, std::move(lines), Property::Lines); }
  bool Running() const { return running_; }
  void SetRunning(bool on) { SetAndNotify(running_, on, Property::Value); }

 private:
  LineList lines_;
  bool running_ = false;
};

}  // namespace kmpx::ui
