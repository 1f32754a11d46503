# Every picture of the program, relative to src/, drawn by resources/draw-pictures.sh.
# Embedded with PREFIX "/", so each one is found at :/resources/<file>.
set(REKENRUPS_PICTURES
  resources/rekenrups.ico
  resources/imgmeisje.gif
  resources/imgwit.gif
  resources/imgchinees.gif
  resources/imgkleur.gif
  resources/imgkleur2.gif
  resources/imgkleur3.gif
  resources/logo.gif
  resources/stop.ico
  resources/start.ico
  resources/help.ico
  resources/check.ico
  resources/kombinnen.jpg
  resources/introzijkant.gif
  resources/plof.bmp
  resources/zon.gif
)
