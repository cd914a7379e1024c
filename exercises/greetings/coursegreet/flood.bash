# What coursegreet prints when flooded (tests/hostile/flood.sh): no number, so one phrase.
# shellcheck disable=SC2034 # read by the script that sources this
head=$'Enter a CS course number\nHello, CS 0 World!\n1 MAKE IT END\n'
