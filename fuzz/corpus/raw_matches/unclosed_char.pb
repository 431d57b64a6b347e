x = 'unclosed
  y = 2
