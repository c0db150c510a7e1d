# The program's version, written here alone: the project's (and so the .deb's), and the text the program writes in
# its caption, About box, sheets and case files, "V" major "." minor in two digits (1.0.0: V1.00).
set(VXR_VERSION 1.0.0)
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)" _ "${VXR_VERSION}")
if(CMAKE_MATCH_2 LESS 10)
  set(VXR_VERSION_TEXT "V${CMAKE_MATCH_1}.0${CMAKE_MATCH_2}")
else()
  set(VXR_VERSION_TEXT "V${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
endif()
