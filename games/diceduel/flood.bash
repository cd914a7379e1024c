# What diceduel prints when flooded (tests/hostile/flood.sh): every byte is a wrong answer.
# shellcheck disable=SC2034 # read by the script that sources this
head="Welcome to Vortle Dice!

It is now human's turn

Do you want to roll a dice (Y/N)?:
"
each="That's not a valid input numb nut
Do you want to roll a dice (Y/N)?:
"
tail=$'No more answers; the game ends here.\n'
