#include "dxf/dxf_in_filer.h"

#include "dxf/dxf_angles.h"

namespace dxf {

Acad::ErrorStatus DxfFileInFiler::readItem(DxfItem& item) {
  if (position_ >= count_) return Acad::eEndOfObject;
  previous_ = position_;
  if (code5IsText_ && tokens_[position_].code == 5) {
    item = DxfItem();
    item.code = 5;
    context_.decoder().decode(tokens_[position_].value, item.text);
    ++position_;
  } else {
    position_ += context_.convert(tokens_ + position_, count_ - position_, item);
  }
  canPushBack_ = true;
  if (anglesInDegrees_ && isAngleCode(item.code) && item.kind == DxfKind::kReal) {
    item.real = degreesToRadians(item.real);
  }
  if (item.code == 100) subclass_ = item.text;
  return Acad::eOk;
}

Acad::ErrorStatus DxfFileInFiler::pushBackItem() {
  if (!canPushBack_) return Acad::eInvalidInput;
  position_ = previous_;
  canPushBack_ = false;
  return Acad::eOk;
}

void DxfFileInFiler::reportRepair(const std::string& message) {
  context_.warn(currentLine(), message);
}

Acad::ErrorStatus DxfFileInFiler::writeItem(const DxfItem&) { return Acad::eNotApplicable; }

int DxfFileInFiler::currentLine() const {
  if (count_ == 0) return 0;
  size_t index = previous_ < count_ ? previous_ : count_ - 1;
  return tokens_[index].line;
}

}  // namespace dxf
