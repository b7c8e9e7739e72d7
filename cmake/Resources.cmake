# The files of res/ compiled into the program, as NAME=PATH[:gbk]; ":gbk"
# texts are converted from UTF-8 to GBK at build time.
set(VERSILO_RESOURCES
  poembg.jpg=${CMAKE_SOURCE_DIR}/res/poembg.jpg
  mainbg.gif=${CMAKE_SOURCE_DIR}/res/mainbg.gif
  title.gif=${CMAKE_SOURCE_DIR}/res/title.gif
  leaf.gif=${CMAKE_SOURCE_DIR}/res/leaf.gif
  grid.jpg=${CMAKE_SOURCE_DIR}/res/grid.jpg
)
