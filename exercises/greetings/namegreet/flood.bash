# What namegreet prints when flooded (tests/hostile/flood.sh): the name greeted whole.
# shellcheck disable=SC2034 # read by the script that sources this
head=$'What is your name?\nHello, '
each='echo'
tail=$'!\nWould you like to play a game?\n'
