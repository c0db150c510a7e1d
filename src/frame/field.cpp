#include "frame/field.h"

namespace vxr::frame {

std::string sheet_caption(const Field& field) {
    std::string caption = field.caption;
    if (field.kind == Kind::Option) caption = caption.substr(0, caption.find(" ["));
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view tail : {"：", ":", " "}) {
            if (caption.size() >= tail.size() && caption.ends_with(tail)) {
                caption.erase(caption.size() - tail.size());
                trimmed = true;
            }
        }
    }
    return caption.substr(caption.find_first_not_of(' ') == std::string::npos ? caption.size()
                                                                              : caption.find_first_not_of(' '));
}

}  // namespace vxr::frame
