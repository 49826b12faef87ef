INFO [%1][%2]
