# What marblepile prints when flooded (tests/hostile/flood.sh): one wrong move, then the end.
# shellcheck disable=SC2034 # read by the script that sources this
head='Lets start the game!
Initial size is: 11
First player to play: Computer
Is computer in smart mode? Yes
Computer is playing..
Computer took 4
Remaining marbles: 7
Your move. Marbles remaining: 7
Wrong Move. You can only choose between 1 to 3
Your move. Marbles remaining: 7
No more moves; the game ends here.
'
