button.face = #12345G
list.text = #000000
