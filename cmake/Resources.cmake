# The files of res/ compiled into the program, as NAME=PATH[:gbk]; ":gbk"
# texts are converted from UTF-8 to GBK at build time.
set(VERSILO_RESOURCES
  home.htm.in=${CMAKE_SOURCE_DIR}/res/home.htm.in:gbk
  info.htm=${CMAKE_SOURCE_DIR}/res/info.htm:gbk
  intro.txt=${CMAKE_SOURCE_DIR}/res/intro.txt:gbk
  poembg.jpg=${CMAKE_SOURCE_DIR}/res/poembg.jpg
  mainbg.gif=${CMAKE_SOURCE_DIR}/res/mainbg.gif
  title.gif=${CMAKE_SOURCE_DIR}/res/title.gif
  leaf.gif=${CMAKE_SOURCE_DIR}/res/leaf.gif
  grid.jpg=${CMAKE_SOURCE_DIR}/res/grid.jpg
  fonts.conf=${CMAKE_SOURCE_DIR}/res/fonts.conf
  tree.png=${CMAKE_SOURCE_DIR}/res/tree.png
  toolbar.png=${CMAKE_SOURCE_DIR}/res/toolbar.png
  toolbar_hot.png=${CMAKE_SOURCE_DIR}/res/toolbar_hot.png
  versilo-16.png=${CMAKE_SOURCE_DIR}/res/versilo-16.png
  versilo-32.png=${CMAKE_SOURCE_DIR}/res/versilo-32.png
  versilo-48.png=${CMAKE_SOURCE_DIR}/res/versilo-48.png
  versilo-64.png=${CMAKE_SOURCE_DIR}/res/versilo-64.png
  versilo-128.png=${CMAKE_SOURCE_DIR}/res/versilo-128.png
)
